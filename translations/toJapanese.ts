<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>LW2DStickerFeatureModel</name>
    <message>
        <source>Import As Texture</source>
        <translation>テクスチャとしてインポート</translation>
    </message>
    <message>
        <source>Delete Effect</source>
        <translation>エフェクトを削除</translation>
    </message>
    <message>
        <source>Add component</source>
        <translation>パーツを追加</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>名前を変更</translation>
    </message>
    <message>
        <source>Image files</source>
        <translation>画像ファイル</translation>
    </message>
    <message>
        <source>Choose file</source>
        <translation>ファイルを選択</translation>
    </message>
</context>
<context>
    <name>LW2DStickerPart</name>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>名前を変更</translation>
    </message>
</context>
<context>
    <name>LWAdapterFileDialog</name>
    <message>
        <source>All files</source>
        <translation>すべてのファイル</translation>
    </message>
</context>
<context>
    <name>LWBGMFeatureModel</name>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
</context>
<context>
    <name>LWCheckUpDownloadWindow</name>
    <message>
        <source>Downloading update</source>
        <translation>アップデートをダウンロード中</translation>
    </message>
    <message>
        <source>Downloading Glowsmith %1</source>
        <translation>Glowsmith %1 をダウンロード中</translation>
    </message>
    <message>
        <source>The installer is checked before it is offered</source>
        <translation>インストーラーは検証後に提供されます</translation>
    </message>
    <message>
        <source>%1 MB of %2 MB</source>
        <translation>%1 MB / %2 MB</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>再試行</translation>
    </message>
</context>
<context>
    <name>LWCheckUpdateCheckingWindow</name>
    <message>
        <source>Check Updates</source>
        <translation>アップデートを確認</translation>
    </message>
    <message>
        <source>Current version %1</source>
        <translation>現在のバージョン %1</translation>
    </message>
    <message>
        <source>Looking for a newer version...</source>
        <translation>新しいバージョンを確認しています…</translation>
    </message>
    <message>
        <source>The update service did not answer. Please try again later.</source>
        <translation>アップデートサービスから応答がありません。しばらくしてからもう一度お試しください。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>LWCheckUpdateFinishWindow</name>
    <message>
        <source>Update</source>
        <translation>アップデート</translation>
    </message>
    <message>
        <source>Download complete</source>
        <translation>ダウンロード完了</translation>
    </message>
    <message>
        <source>Glowsmith %1 is ready to install</source>
        <translation>Glowsmith %1 をインストールできます</translation>
    </message>
    <message>
        <source>Glowsmith closes so that the installer can update it. Save your project first.</source>
        <translation>インストーラーで更新するため、Glowsmith を終了します。先にプロジェクトを保存してください。</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>後で</translation>
    </message>
    <message>
        <source>Install now</source>
        <translation>今すぐインストール</translation>
    </message>
</context>
<context>
    <name>LWCheckUpdateIsNewWindow</name>
    <message>
        <source>Check Updates</source>
        <translation>アップデートを確認</translation>
    </message>
    <message>
        <source>You are up to date</source>
        <translation>最新の状態です</translation>
    </message>
    <message>
        <source>Glowsmith %1 is the newest version.</source>
        <translation>Glowsmith %1 は最新バージョンです。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>LWCheckUpdateWindow</name>
    <message>
        <source>Update</source>
        <translation>アップデート</translation>
    </message>
    <message>
        <source>A new version is available</source>
        <translation>新しいバージョンがあります</translation>
    </message>
    <message>
        <source>Glowsmith %1 (you have %2)</source>
        <translation>Glowsmith %1（現在のバージョン %2）</translation>
    </message>
    <message>
        <source>New features</source>
        <translation>新機能</translation>
    </message>
    <message>
        <source>Fixed problems</source>
        <translation>修正された問題</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>後で</translation>
    </message>
    <message>
        <source>Update now</source>
        <translation>今すぐアップデート</translation>
    </message>
</context>
<context>
    <name>LWCheckUpdateWindowModel</name>
    <message>
        <source>The installer cannot be saved in the Lumeworks folder.</source>
        <translation>インストーラーを Lumeworks フォルダーに保存できません。</translation>
    </message>
    <message>
        <source>The download could not be completed. Please try again later.</source>
        <translation>ダウンロードを完了できませんでした。しばらくしてからもう一度お試しください。</translation>
    </message>
    <message>
        <source>There is no verified installer to start.</source>
        <translation>起動できる検証済みのインストーラーがありません。</translation>
    </message>
    <message>
        <source>The installer cannot be prepared.</source>
        <translation>インストーラーを準備できません。</translation>
    </message>
    <message>
        <source>The installer could not be started.</source>
        <translation>インストーラーを起動できませんでした。</translation>
    </message>
    <message>
        <source>This update is not signed, so it cannot be trusted and is not offered for download.</source>
        <translation>この更新は署名されていないため信頼できず、ダウンロードできません。</translation>
    </message>
    <message>
        <source>This update carries a damaged signature, so it cannot be trusted and is not offered for download.</source>
        <translation>この更新の署名は壊れているため信頼できず、ダウンロードできません。</translation>
    </message>
    <message>
        <source>This update would be downloaded over an unprotected connection (not https), so it is not offered for download.</source>
        <translation>この更新は保護されていない接続（https ではない）でダウンロードされるため、ダウンロードできません。</translation>
    </message>
    <message>
        <source>The downloaded installer&apos;s signature does not match this editor&apos;s key, so it was deleted and will not be started.</source>
        <translation>ダウンロードしたインストーラーの署名がこのエディターの鍵と一致しないため、削除しました。起動しません。</translation>
    </message>
</context>
<context>
    <name>LWCompressFilesWindow</name>
    <message>
        <source>Compressed file</source>
        <translation>圧縮ファイル</translation>
    </message>
    <message>
        <source>No compression</source>
        <translation>圧縮しない</translation>
    </message>
    <message>
        <source>High quality</source>
        <translation>高画質</translation>
    </message>
    <message>
        <source>Medium quality</source>
        <translation>標準画質</translation>
    </message>
    <message>
        <source>Low quality</source>
        <translation>低画質</translation>
    </message>
    <message>
        <source>Suggest to compress sequence files if special effect is over 5M</source>
        <translation>エフェクトが 5MB を超える場合は、連番フレームの圧縮をおすすめします</translation>
    </message>
    <message>
        <source>The project has no frame sequences.</source>
        <translation>プロジェクトに連番フレームがありません。</translation>
    </message>
    <message>
        <source>No frames</source>
        <translation>フレームなし</translation>
    </message>
    <message>
        <source>Frames</source>
        <translation>フレーム数</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>画質</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>完了</translation>
    </message>
</context>
<context>
    <name>LWEffectNavigator</name>
    <message>
        <source>Effects</source>
        <translation>エフェクト</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>追加</translation>
    </message>
    <message>
        <source>2D Sticker</source>
        <translation>2Dステッカー</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>フィルター</translation>
    </message>
    <message>
        <source>Makeup V2</source>
        <translation>メイク V2</translation>
    </message>
    <message>
        <source>Eyebrow</source>
        <translation>眉</translation>
    </message>
    <message>
        <source>Mask</source>
        <translation>マスク</translation>
    </message>
    <message>
        <source>Eye</source>
        <translation>アイメイク</translation>
    </message>
    <message>
        <source>Pupil</source>
        <translation>瞳</translation>
    </message>
    <message>
        <source>Lip V2</source>
        <translation>リップ V2</translation>
    </message>
    <message>
        <source>HairColor</source>
        <translation>ヘアカラー</translation>
    </message>
    <message>
        <source>FacePick</source>
        <translation>人物切り抜き</translation>
    </message>
    <message>
        <source>Background Music</source>
        <translation>BGM</translation>
    </message>
</context>
<context>
    <name>LWEffectPackManager</name>
    <message>
        <source>The effect package could not be built.</source>
        <translation>エフェクトパッケージを作成できませんでした。</translation>
    </message>
    <message>
        <source>The package could not be written to %1.</source>
        <translation>パッケージを %1 に書き込めませんでした。</translation>
    </message>
    <message>
        <source>%1 holds no effect package (no config.json).</source>
        <translation>%1 にはエフェクトパッケージがありません（config.json がありません）。</translation>
    </message>
    <message>
        <source>The package %1 could not be read.</source>
        <translation>パッケージ %1 を読み込めませんでした。</translation>
    </message>
    <message>
        <source>The package %1 is damaged or unsafe and was not imported.</source>
        <translation>パッケージ %1 は破損しているか安全でないため、インポートしませんでした。</translation>
    </message>
    <message>
        <source>The project could not be saved in %1. The files there are still those of the last save.</source>
        <translation>プロジェクトを %1 に保存できませんでした。保存先のファイルは前回保存したときのままです。</translation>
    </message>
    <message>
        <source>The project could not be saved in %1.</source>
        <translation>プロジェクトを %1 に保存できませんでした。</translation>
    </message>
</context>
<context>
    <name>LWExportNotice</name>
    <message>
        <source>Exported to %1</source>
        <translation>%1 に書き出しました</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>フォルダーに表示</translation>
    </message>
</context>
<context>
    <name>LWFaceIndex</name>
    <message>
        <source>Face 1</source>
        <translation>顔 1</translation>
    </message>
    <message>
        <source>Face 2</source>
        <translation>顔 2</translation>
    </message>
    <message>
        <source>Face 3</source>
        <translation>顔 3</translation>
    </message>
    <message>
        <source>Face 4</source>
        <translation>顔 4</translation>
    </message>
    <message>
        <source>Face 5</source>
        <translation>顔 5</translation>
    </message>
    <message>
        <source>Face 6</source>
        <translation>顔 6</translation>
    </message>
    <message>
        <source>All Faces</source>
        <translation>すべての顔</translation>
    </message>
    <message>
        <source>Customize</source>
        <translation>カスタム</translation>
    </message>
    <message>
        <source>Add face</source>
        <translation>顔を追加</translation>
    </message>
</context>
<context>
    <name>LWFaceMakeUpV2Model</name>
    <message>
        <source>Eyebrow</source>
        <translation>眉</translation>
    </message>
    <message>
        <source>Mask</source>
        <translation>マスク</translation>
    </message>
    <message>
        <source>Eye</source>
        <translation>アイメイク</translation>
    </message>
    <message>
        <source>Pupil</source>
        <translation>瞳</translation>
    </message>
    <message>
        <source>Lip V2</source>
        <translation>リップ V2</translation>
    </message>
    <message>
        <source>Add Effect</source>
        <translation>エフェクトを追加</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>名前を変更</translation>
    </message>
    <message>
        <source>Delete Effect</source>
        <translation>エフェクトを削除</translation>
    </message>
</context>
<context>
    <name>LWFaceMakeupV2FilterBase</name>
    <message>
        <source>Rename</source>
        <translation>名前を変更</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
</context>
<context>
    <name>LWFeedBackModel</name>
    <message>
        <source>Choose a screenshot</source>
        <translation>スクリーンショットを選択</translation>
    </message>
    <message>
        <source>Images (*.png *.jpg *.jpeg)</source>
        <translation>画像 (*.png *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>User feedback</source>
        <translation>ユーザーフィードバック</translation>
    </message>
    <message>
        <source>Reply</source>
        <translation>返信</translation>
    </message>
    <message>
        <source>The effect package could not be made, so it cannot be attached.</source>
        <translation>エフェクトパッケージを作成できないため、添付できません。</translation>
    </message>
    <message>
        <source>The effect package is larger than 5 MB and cannot be attached. Remove the tick to send your message without it.</source>
        <translation>エフェクトパッケージが 5 MB を超えているため添付できません。チェックを外すと、添付せずに送信できます。</translation>
    </message>
</context>
<context>
    <name>LWFeedbackRecordsPage</name>
    <message>
        <source>No feedback yet.</source>
        <translation>まだフィードバックはありません。</translation>
    </message>
    <message>
        <source>User feedback</source>
        <translation>ユーザーフィードバック</translation>
    </message>
</context>
<context>
    <name>LWFeedbackSendPage</name>
    <message>
        <source>Please describe the problem in detail so we can better assist you(within 200 words)</source>
        <translation>より適切にサポートできるよう、問題を詳しくご記入ください（200文字以内）</translation>
    </message>
    <message>
        <source>Optional, for contact</source>
        <translation>任意（ご連絡用）</translation>
    </message>
    <message>
        <source>Sending your feedback...</source>
        <translation>フィードバックを送信しています…</translation>
    </message>
    <message>
        <source>Thank you! Your feedback was sent.</source>
        <translation>ありがとうございます。フィードバックを送信しました。</translation>
    </message>
    <message>
        <source>The feedback could not be sent. Please try again later.</source>
        <translation>フィードバックを送信できませんでした。しばらくしてからもう一度お試しください。</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>連絡先</translation>
    </message>
    <message>
        <source>No screenshot</source>
        <translation>スクリーンショットなし</translation>
    </message>
    <message>
        <source>Add screenshot</source>
        <translation>スクリーンショットを追加</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Attach the current effect package</source>
        <translation>現在のエフェクトパッケージを添付</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>送信</translation>
    </message>
</context>
<context>
    <name>LWFeedbackWindow</name>
    <message>
        <source>Feedback</source>
        <translation>フィードバック</translation>
    </message>
    <message>
        <source>Tell us what went wrong or what you would like to see</source>
        <translation>問題点やご要望をお聞かせください</translation>
    </message>
    <message>
        <source>My feedback</source>
        <translation>自分のフィードバック</translation>
    </message>
</context>
<context>
    <name>LWFilterModel</name>
    <message>
        <source>Rename</source>
        <translation>名前を変更</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
</context>
<context>
    <name>LWHairColorFeature</name>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>名前を変更</translation>
    </message>
</context>
<context>
    <name>LWHomeWindow</name>
    <message>
        <source>Home</source>
        <translation>ホーム</translation>
    </message>
    <message>
        <source>New project</source>
        <translation>新規プロジェクト</translation>
    </message>
    <message>
        <source>Open project…</source>
        <translation>プロジェクトを開く…</translation>
    </message>
    <message>
        <source>Templates</source>
        <translation>テンプレート</translation>
    </message>
    <message>
        <source>Recent projects</source>
        <translation>最近のプロジェクト</translation>
    </message>
    <message>
        <source>Online tutorial</source>
        <translation>オンラインチュートリアル</translation>
    </message>
    <message>
        <source>My effects</source>
        <translation>マイエフェクト</translation>
    </message>
    <message>
        <source>Start from a template</source>
        <translation>テンプレートから始める</translation>
    </message>
    <message>
        <source>Start with a new project; templates arrive with the next update.</source>
        <translation>新しいプロジェクトから始めましょう。テンプレートは次回のアップデートで追加されます。</translation>
    </message>
    <message>
        <source>Projects you save appear here</source>
        <translation>保存したプロジェクトがここに表示されます</translation>
    </message>
    <message>
        <source>Open project</source>
        <translation>プロジェクトを開く</translation>
    </message>
    <message>
        <source>Glowsmith project</source>
        <translation>Glowsmith プロジェクト</translation>
    </message>
    <message>
        <source>The Lumeworks project you want to open does not exist and may have been renamed or deleted.</source>
        <translation>開こうとしている Lumeworks プロジェクトは存在しません。名前が変更されたか、削除された可能性があります。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Resume last project?</source>
        <translation>前回のプロジェクトを復元しますか？</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>復元</translation>
    </message>
    <message>
        <source>Cancle</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>LWImageFileInfo</name>
    <message>
        <source>%1 byte(s)</source>
        <translation>%1 バイト</translation>
    </message>
</context>
<context>
    <name>LWImageWell</name>
    <message>
        <source>Drop images here</source>
        <translation>ここに画像をドロップ</translation>
    </message>
</context>
<context>
    <name>LWInspectorPanel</name>
    <message>
        <source>Parameter information</source>
        <translation>パラメーター情報</translation>
    </message>
    <message>
        <source>Select a feature or a resource to edit its parameters</source>
        <translation>エフェクトまたはリソースを選択すると、パラメーターを編集できます</translation>
    </message>
</context>
<context>
    <name>LWLanguageChangeWindow</name>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>LWLoginBase</name>
    <message>
        <source>网络超时</source>
        <translation>ネットワークがタイムアウトしました</translation>
    </message>
    <message>
        <source>账号名或者密码错误</source>
        <translation>アカウント名またはパスワードが正しくありません</translation>
    </message>
    <message>
        <source>账号在其他客户端登陆</source>
        <translation>このアカウントは別のクライアントでサインインされました</translation>
    </message>
</context>
<context>
    <name>LWLoginBridge</name>
    <message>
        <source>Upload effect</source>
        <translation>エフェクトをアップロード</translation>
    </message>
</context>
<context>
    <name>LWLoginWays</name>
    <message>
        <source>Account and password</source>
        <translation>アカウントとパスワード</translation>
    </message>
    <message>
        <source>Company sign-on</source>
        <translation>企業シングルサインオン</translation>
    </message>
    <message>
        <source>Phone number</source>
        <translation>電話番号</translation>
    </message>
    <message>
        <source>Last used</source>
        <translation>前回使用</translation>
    </message>
</context>
<context>
    <name>LWMainMenuBar</name>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新規作成</translation>
    </message>
    <message>
        <source>New empty project</source>
        <translation>空のプロジェクトを作成</translation>
    </message>
    <message>
        <source>Create a new project from the template</source>
        <translation>テンプレートから新規作成</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Open recently</source>
        <translation>最近使ったプロジェクト</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>名前を付けて保存</translation>
    </message>
    <message>
        <source>Export effect package</source>
        <translation>エフェクトパッケージを書き出す</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>編集</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>やり直す</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>すべて選択</translation>
    </message>
    <message>
        <source>Tool</source>
        <translation>ツール</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>中国語</translation>
    </message>
    <message>
        <source>English</source>
        <translation>英語</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>日本語</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>韓国語</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Tutorial</source>
        <translation>チュートリアル</translation>
    </message>
    <message>
        <source>Check Updates</source>
        <translation>アップデートを確認</translation>
    </message>
    <message>
        <source>Onboarding flow</source>
        <translation>はじめてガイド</translation>
    </message>
</context>
<context>
    <name>LWMainToolbar</name>
    <message>
        <source>Upload</source>
        <translation>アップロード</translation>
    </message>
    <message>
        <source>Sync to Phone</source>
        <translation>スマホに同期</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>フィードバック</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>アカウント</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>サインイン</translation>
    </message>
    <message>
        <source>Submit for review...</source>
        <translation>審査に送信...</translation>
    </message>
    <message>
        <source>Upload on the publishing site...</source>
        <translation>公開サイトでアップロード...</translation>
    </message>
</context>
<context>
    <name>LWMainWindow</name>
    <message>
        <source>Untitled</source>
        <translation>無題</translation>
    </message>
    <message>
        <source>Do you save the project before exiting?</source>
        <translation>終了する前にプロジェクトを保存しますか？</translation>
    </message>
    <message>
        <source>The Lumeworks project you want to open does not exist and may have been renamed or deleted.</source>
        <translation>開こうとしている Lumeworks プロジェクトは存在しません。名前が変更されたか、削除された可能性があります。</translation>
    </message>
    <message>
        <source>Please add an effect first</source>
        <translation>先にエフェクトを追加してください</translation>
    </message>
    <message>
        <source>Open project</source>
        <translation>プロジェクトを開く</translation>
    </message>
    <message>
        <source>Glowsmith project</source>
        <translation>Glowsmith プロジェクト</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>名前を付けて保存</translation>
    </message>
    <message>
        <source>Export effect package</source>
        <translation>エフェクトパッケージを書き出す</translation>
    </message>
    <message>
        <source>Effect package</source>
        <translation>エフェクトパッケージ</translation>
    </message>
    <message>
        <source>Resume last project?</source>
        <translation>前回のプロジェクトを復元しますか？</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>復元</translation>
    </message>
    <message>
        <source>Cancle</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Log out</source>
        <translation>サインアウト</translation>
    </message>
    <message>
        <source>Effects such as filters and leg deformations can only be effective one. Please remove unwanted filters.</source>
        <translation>フィルターや脚の変形などのエフェクトは1つしか有効になりません。不要なフィルターを削除してください。</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>確認</translation>
    </message>
    <message>
        <source>Whether to save the current project</source>
        <translation>現在のプロジェクトを保存しますか？</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Not Save</source>
        <translation>保存しない</translation>
    </message>
    <message>
        <source>The account will log in on other machines and will exit.</source>
        <translation>このアカウントは別のデバイスでサインインされたため、サインアウトします。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Signed in with: %1</source>
        <translation>サインイン方法：%1</translation>
    </message>
</context>
<context>
    <name>LWMaterialsWindow</name>
    <message>
        <source>Assest library</source>
        <translation>素材ライブラリ</translation>
    </message>
    <message>
        <source>Click a material to add it to the project&apos;s resources</source>
        <translation>素材をクリックすると、プロジェクトのリソースに追加されます</translation>
    </message>
    <message>
        <source>No materials to show yet.</source>
        <translation>表示できる素材はまだありません。</translation>
    </message>
    <message>
        <source>Added · %1</source>
        <translation>追加済み · %1</translation>
    </message>
    <message>
        <source>Not added · %1</source>
        <translation>未追加 · %1</translation>
    </message>
</context>
<context>
    <name>LWMattingFeatureModel</name>
    <message>
        <source>Rename</source>
        <translation>名前を変更</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
</context>
<context>
    <name>LWMessageBox</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>LWNaviTreeView</name>
    <message>
        <source>Nothing here yet</source>
        <translation>まだ何もありません</translation>
    </message>
</context>
<context>
    <name>LWNormalLoginWindow</name>
    <message>
        <source>Sign in</source>
        <translation>サインイン</translation>
    </message>
    <message>
        <source>The sign-in did not succeed. Please try again.</source>
        <translation>サインインできませんでした。もう一度お試しください。</translation>
    </message>
    <message>
        <source>Sign in to Glowsmith</source>
        <translation>Glowsmith にサインイン</translation>
    </message>
    <message>
        <source>Use your publishing account to upload effects</source>
        <translation>公開用アカウントでエフェクトをアップロードします</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>アカウント</translation>
    </message>
    <message>
        <source>Account name</source>
        <translation>アカウント名</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>パスワード</translation>
    </message>
    <message>
        <source>Remember me on this computer</source>
        <translation>サインイン情報を保存する</translation>
    </message>
    <message>
        <source>Signing in...</source>
        <translation>サインインしています…</translation>
    </message>
    <message>
        <source>Your sign-in is checked again every few minutes.</source>
        <translation>サインイン状態は数分ごとに再確認されます。</translation>
    </message>
</context>
<context>
    <name>LWOnboardingTour</name>
    <message>
        <source>Add effects</source>
        <translation>エフェクトを追加</translation>
    </message>
    <message>
        <source>Use + in the effect list to add stickers, makeup, filters, hair colour or person cut-out.</source>
        <translation>エフェクト一覧の + から、ステッカー、メイク、フィルター、ヘアカラー、人物切り抜きを追加できます。</translation>
    </message>
    <message>
        <source>Place and tune</source>
        <translation>配置と調整</translation>
    </message>
    <message>
        <source>Select an effect to place it on the face in the middle and tune it on the right.</source>
        <translation>エフェクトを選択すると、中央の顔に配置し、右側で調整できます。</translation>
    </message>
    <message>
        <source>Try and share</source>
        <translation>試して共有</translation>
    </message>
    <message>
        <source>Sync to Phone previews the effect on a phone; Upload sends it for review.</source>
        <translation>「スマホに同期」でスマホ上でプレビューでき、「アップロード」で審査に送信します。</translation>
    </message>
    <message>
        <source>Click to pass</source>
        <translation>スキップ</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>次へ</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>完了</translation>
    </message>
</context>
<context>
    <name>LWPackageSizeBadge</name>
    <message>
        <source>Package %1 · over 5 MB</source>
        <translation>パッケージ %1 · 5 MB 超過</translation>
    </message>
    <message>
        <source>Package %1</source>
        <translation>パッケージ %1</translation>
    </message>
    <message>
        <source>Size of the exported effect package. Packages over 5 MB cannot be published.</source>
        <translation>書き出されるエフェクトパッケージのサイズです。5 MB を超えるパッケージは公開できません。</translation>
    </message>
</context>
<context>
    <name>LWPackageSizeEstimator</name>
    <message>
        <source>%1 KB</source>
        <translation>%1 KB</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
</context>
<context>
    <name>LWPngCheckWindow</name>
    <message>
        <source>png check</source>
        <translation>PNG チェック</translation>
    </message>
    <message>
        <source>Please use 8 bit PNG</source>
        <translation>8 ビット PNG を使用してください</translation>
    </message>
    <message>
        <source>ok</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>LWPreviewFrame</name>
    <message>
        <source>Drawing the effect…</source>
        <translation>エフェクトを描画しています…</translation>
    </message>
</context>
<context>
    <name>LWPreviewPane</name>
    <message>
        <source>Preview window</source>
        <translation>プレビュー</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>再生</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>最初から</translation>
    </message>
    <message>
        <source>%1 fps</source>
        <translation>%1 fps</translation>
    </message>
    <message>
        <source>paused</source>
        <translation>一時停止中</translation>
    </message>
    <message>
        <source>%1 ms a frame</source>
        <translation>1 フレーム %1 ms</translation>
    </message>
    <message>
        <source>Face</source>
        <translation>顔</translation>
    </message>
    <message>
        <source>Human</source>
        <translation>人</translation>
    </message>
    <message>
        <source>Cat</source>
        <translation>猫</translation>
    </message>
    <message>
        <source>Try a face action</source>
        <translation>顔のアクションを試す</translation>
    </message>
    <message>
        <source>Unmute</source>
        <translation>ミュート解除</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>ミュート</translation>
    </message>
    <message>
        <source>Draw on</source>
        <translation>描画先</translation>
    </message>
    <message>
        <source>Standard face</source>
        <translation>標準顔</translation>
    </message>
    <message>
        <source>Photo…</source>
        <translation>写真…</translation>
    </message>
    <message>
        <source>Video…</source>
        <translation>動画…</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>カメラ</translation>
    </message>
    <message>
        <source>Follow</source>
        <translation>追跡</translation>
    </message>
    <message>
        <source>Face %1</source>
        <translation>顔 %1</translation>
    </message>
    <message>
        <source>Use &quot;Sync to Phone&quot; to try the effect on the phone&apos;s camera.</source>
        <translation>「スマホに同期」でスマホのカメラで効果を試せます。</translation>
    </message>
</context>
<context>
    <name>LWPreviewSource</name>
    <message>
        <source>The photo %1 cannot be read.</source>
        <translation>写真 %1 を読み込めません。</translation>
    </message>
    <message>
        <source>The video %1 cannot be played: %2</source>
        <translation>動画 %1 を再生できません: %2</translation>
    </message>
    <message>
        <source>No camera</source>
        <translation>カメラがありません</translation>
    </message>
    <message>
        <source>The camera cannot be used: %1</source>
        <translation>カメラを使用できません: %1</translation>
    </message>
</context>
<context>
    <name>LWPreviewViewModel</name>
    <message>
        <source>Hair colour and matting need masks a face tracker cannot give: they show on the standard face only.</source>
        <translation>ヘアカラーと切り抜きには顔追跡では得られないマスクが必要なため、標準顔にのみ表示されます。</translation>
    </message>
    <message>
        <source>A photo to preview the effect on</source>
        <translation>効果をプレビューする写真</translation>
    </message>
    <message>
        <source>Photos (*.png *.jpg *.jpeg *.bmp *.webp)</source>
        <translation>写真 (*.png *.jpg *.jpeg *.bmp *.webp)</translation>
    </message>
    <message>
        <source>A video to preview the effect on</source>
        <translation>効果をプレビューする動画</translation>
    </message>
    <message>
        <source>Videos (*.mp4 *.mkv *.webm *.avi *.mov *.ogv)</source>
        <translation>動画 (*.mp4 *.mkv *.webm *.avi *.mov *.ogv)</translation>
    </message>
    <message>
        <source>Loading the face model…</source>
        <translation>顔モデルを読み込んでいます…</translation>
    </message>
    <message>
        <source>No face found</source>
        <translation>顔が見つかりません</translation>
    </message>
</context>
<context>
    <name>LWProp2DTextureButtonViewModel</name>
    <message>
        <source>image format error</source>
        <translation>画像形式エラー</translation>
    </message>
    <message>
        <source>Size of the imported image has to be</source>
        <translation>画像サイズを次に合わせてください：</translation>
    </message>
</context>
<context>
    <name>LWPropButtonView</name>
    <message>
        <source>On</source>
        <translation>オン</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>オフ</translation>
    </message>
</context>
<context>
    <name>LWPropImageButton</name>
    <message>
        <source>No image</source>
        <translation>画像なし</translation>
    </message>
</context>
<context>
    <name>LWPropImageButtonViewModel</name>
    <message>
        <source>Choose file</source>
        <translation>ファイルを選択</translation>
    </message>
    <message>
        <source>Image files</source>
        <translation>画像ファイル</translation>
    </message>
    <message>
        <source>Image unable to parse</source>
        <translation>画像を解析できません</translation>
    </message>
</context>
<context>
    <name>LWPropImageViewModel</name>
    <message>
        <source>Image unable to parse</source>
        <translation>画像を解析できません</translation>
    </message>
</context>
<context>
    <name>LWPropOpenPanelView</name>
    <message>
        <source>Edit…</source>
        <translation>編集…</translation>
    </message>
</context>
<context>
    <name>LWPropOptionViewModel</name>
    <message>
        <source>choose music file</source>
        <translation>音楽ファイルを選択</translation>
    </message>
    <message>
        <source>music files</source>
        <translation>音楽ファイル</translation>
    </message>
    <message>
        <source>choose texture folder</source>
        <translation>テクスチャフォルダーを選択</translation>
    </message>
    <message>
        <source>Image files</source>
        <translation>画像ファイル</translation>
    </message>
    <message>
        <source>Choose file</source>
        <translation>ファイルを選択</translation>
    </message>
    <message>
        <source>The picture does not fit here.</source>
        <translation>この画像はここでは使えません。</translation>
    </message>
</context>
<context>
    <name>LWPropTextureButtonView</name>
    <message>
        <source>frame(s)</source>
        <translation>フレーム</translation>
    </message>
</context>
<context>
    <name>LWPublicLoginWindow</name>
    <message>
        <source>Sign in</source>
        <translation>サインイン</translation>
    </message>
    <message>
        <source>Signed in. Getting things ready...</source>
        <translation>サインインしました。準備しています…</translation>
    </message>
</context>
<context>
    <name>LWResourceComponentView</name>
    <message>
        <source>Rename</source>
        <translation>名前を変更</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
</context>
<context>
    <name>LWResourceGroupsView</name>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
</context>
<context>
    <name>LWResourceImageCheck</name>
    <message>
        <source>Size should be 1200 x 1200</source>
        <translation>サイズは 1200 x 1200 にしてください</translation>
    </message>
    <message>
        <source>Size should be 1280 x 1280</source>
        <translation>サイズは 1280 x 1280 にしてください</translation>
    </message>
    <message>
        <source>Size should under 540 x 960</source>
        <translation>サイズは 540 x 960 以下にしてください</translation>
    </message>
    <message>
        <source>Size should under 1000 x 1000</source>
        <translation>サイズは 1000 x 1000 以下にしてください</translation>
    </message>
    <message>
        <source>Size should be 174 x 89</source>
        <translation>サイズは 174 x 89 にしてください</translation>
    </message>
    <message>
        <source>Size should be 512 x 512</source>
        <translation>サイズは 512 x 512 にしてください</translation>
    </message>
    <message>
        <source>Size should be 150 x 150</source>
        <translation>サイズは 150 x 150 にしてください</translation>
    </message>
    <message>
        <source>Invalid resources</source>
        <translation>無効なリソース</translation>
    </message>
</context>
<context>
    <name>LWResourceImportService</name>
    <message>
        <source>%1 is %2 x %3 pixels. The camera uses images of at most %4 pixels: please scale it down before importing it.</source>
        <translation>%1 は %2 x %3 ピクセルです。カメラで使える画像は最大 %4 ピクセルです。縮小してからインポートしてください。</translation>
    </message>
    <message>
        <source>Please use 8 bit PNG</source>
        <translation>8 ビット PNG を使用してください</translation>
    </message>
</context>
<context>
    <name>LWResourceManager</name>
    <message>
        <source>Resource unqualified</source>
        <translation>リソースが要件を満たしていません</translation>
    </message>
</context>
<context>
    <name>LWResourceNavigator</name>
    <message>
        <source>Resources</source>
        <translation>リソース</translation>
    </message>
    <message>
        <source>Assest library</source>
        <translation>素材</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>インポート</translation>
    </message>
    <message>
        <source>Folder with groups…</source>
        <translation>グループを含むフォルダー…</translation>
    </message>
    <message>
        <source>Import folder</source>
        <translation>フォルダーをインポート</translation>
    </message>
    <message>
        <source>Import File</source>
        <translation>ファイルをインポート</translation>
    </message>
    <message>
        <source>Import GIF</source>
        <translation>GIF をインポート</translation>
    </message>
    <message>
        <source>Import Texture Frames</source>
        <translation>連番フレームをインポート</translation>
    </message>
    <message>
        <source>Import Texture Folder</source>
        <translation>テクスチャフォルダーをインポート</translation>
    </message>
    <message>
        <source>Import Music</source>
        <translation>音楽をインポート</translation>
    </message>
    <message>
        <source>New Group</source>
        <translation>新しいグループ</translation>
    </message>
    <message>
        <source>Image files</source>
        <translation>画像ファイル</translation>
    </message>
    <message>
        <source>choose music file</source>
        <translation>音楽ファイルを選択</translation>
    </message>
    <message>
        <source>music files</source>
        <translation>音楽ファイル</translation>
    </message>
</context>
<context>
    <name>LWSSOLoginWindow</name>
    <message>
        <source>Company sign-on</source>
        <translation>企業アカウントでサインイン</translation>
    </message>
</context>
<context>
    <name>LWSaveGuard</name>
    <message>
        <source>Whether to save the current project</source>
        <translation>現在のプロジェクトを保存しますか？</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Cancle</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Not Save</source>
        <translation>保存しない</translation>
    </message>
</context>
<context>
    <name>LWSceneArea</name>
    <message>
        <source>Add an effect with the + button, then select it to place it on the face</source>
        <translation>+ ボタンでエフェクトを追加し、選択して顔に配置します</translation>
    </message>
    <message>
        <source>Create or open a project to start</source>
        <translation>プロジェクトを作成するか開いて始めましょう</translation>
    </message>
</context>
<context>
    <name>LWSceneViewport</name>
    <message>
        <source>Reset View</source>
        <translation>表示をリセット</translation>
    </message>
</context>
<context>
    <name>LWSecVarListViewModel</name>
    <message>
        <source>Add</source>
        <translation>追加</translation>
    </message>
</context>
<context>
    <name>LWTemplateCatalogue</name>
    <message>
        <source>2D Sticker</source>
        <translation>2Dステッカー</translation>
    </message>
    <message>
        <source>White Cat</source>
        <translation>白ネコ</translation>
    </message>
    <message>
        <source>FileMovie</source>
        <translation>フィルムムービー</translation>
    </message>
    <message>
        <source>I&apos;m DJ</source>
        <translation>私はDJ</translation>
    </message>
    <message>
        <source>Cat And Bear</source>
        <translation>ネコとクマ</translation>
    </message>
    <message>
        <source>FaceMakeUp</source>
        <translation>フェイスメイク</translation>
    </message>
    <message>
        <source>Orange eye shadow and tear mole</source>
        <translation>オレンジアイシャドウと泣きぼくろ</translation>
    </message>
    <message>
        <source>Ex Machina</source>
        <translation>エクス・マキナ</translation>
    </message>
    <message>
        <source>Cut out human image</source>
        <translation>人物切り抜き</translation>
    </message>
    <message>
        <source>Capsule</source>
        <translation>カプセル</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>フィルター</translation>
    </message>
    <message>
        <source>Sweet Filter</source>
        <translation>スイートフィルター</translation>
    </message>
</context>
<context>
    <name>LWTutorialDialog</name>
    <message>
        <source>Do not remind again</source>
        <translation>今後表示しない</translation>
    </message>
    <message>
        <source>Check out tutorial</source>
        <translation>チュートリアルを見る</translation>
    </message>
    <message>
        <source>Download template</source>
        <translation>テンプレートをダウンロード</translation>
    </message>
</context>
<context>
    <name>LWUpdateAutoCheck</name>
    <message>
        <source>Check for updates automatically</source>
        <translation>アップデートを自動的に確認</translation>
    </message>
</context>
<context>
    <name>LWUploadDraftEffectModel</name>
    <message>
        <source>Uploading...</source>
        <translation>アップロード中…</translation>
    </message>
    <message>
        <source>Failed to get special effect file</source>
        <translation>エフェクトファイルを取得できませんでした</translation>
    </message>
    <message>
        <source>The effect file is over 5M and cannot be uploaded.</source>
        <translation>エフェクトファイルが 5MB を超えているため、アップロードできません。</translation>
    </message>
    <message>
        <source>Effect file upload failed, please try again</source>
        <translation>エフェクトファイルのアップロードに失敗しました。もう一度お試しください</translation>
    </message>
</context>
<context>
    <name>LWUploadDraftPopup</name>
    <message>
        <source>Click to close the QR code</source>
        <translation>クリックして QR コードを閉じる</translation>
    </message>
    <message>
        <source>Click to expand QR code</source>
        <translation>クリックして QR コードを拡大</translation>
    </message>
    <message>
        <source>Upload a draft first</source>
        <translation>先に下書きをアップロードしてください</translation>
    </message>
</context>
<context>
    <name>LWUploadDraftWindow</name>
    <message>
        <source>Preview on phone</source>
        <translation>スマホでプレビュー</translation>
    </message>
    <message>
        <source>Scan the code with the phone app to preview the effect.</source>
        <translation>スマホアプリでコードを読み取ると、エフェクトをプレビューできます。</translation>
    </message>
    <message>
        <source>Uploads the effect as a draft</source>
        <translation>エフェクトを下書きとしてアップロードします</translation>
    </message>
    <message>
        <source>No code yet</source>
        <translation>コードはまだありません</translation>
    </message>
    <message>
        <source>Uploading...</source>
        <translation>アップロード中…</translation>
    </message>
    <message>
        <source>Upload again</source>
        <translation>再アップロード</translation>
    </message>
</context>
<context>
    <name>LWUploadEffectBase</name>
    <message>
        <source>网络异常，请稍后上传</source>
        <translation>ネットワークエラーが発生しました。しばらくしてからアップロードしてください</translation>
    </message>
</context>
<context>
    <name>LWUploadEffectChoiceModel</name>
    <message>
        <source>Not reviewed</source>
        <translation>未審査</translation>
    </message>
    <message>
        <source>In review</source>
        <translation>審査中</translation>
    </message>
    <message>
        <source>Disapproved</source>
        <translation>却下</translation>
    </message>
    <message>
        <source>Approved</source>
        <translation>承認済み</translation>
    </message>
    <message>
        <source>Launched</source>
        <translation>公開中</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>不明</translation>
    </message>
    <message>
        <source>Your earlier effects could not be loaded.</source>
        <translation>以前のエフェクトを読み込めませんでした。</translation>
    </message>
</context>
<context>
    <name>LWUploadEffectChoiceWindow</name>
    <message>
        <source>1 effect</source>
        <translation>1 件のエフェクト</translation>
    </message>
    <message>
        <source>%1 effects</source>
        <translation>%1 件のエフェクト</translation>
    </message>
    <message>
        <source>No earlier effects yet.</source>
        <translation>以前のエフェクトはまだありません。</translation>
    </message>
    <message>
        <source>Submit as new effect</source>
        <translation>新しいエフェクトとして送信</translation>
    </message>
    <message>
        <source>Replace selected</source>
        <translation>選択したエフェクトを置き換える</translation>
    </message>
    <message>
        <source>Submit for review</source>
        <translation>審査に送信</translation>
    </message>
    <message>
        <source>New effect or an update?</source>
        <translation>新しいエフェクトか、更新か？</translation>
    </message>
</context>
<context>
    <name>LWUploadEffectFile</name>
    <message>
        <source>The effect package is larger than 5 MB.</source>
        <translation>エフェクトパッケージが 5 MB を超えています。</translation>
    </message>
</context>
<context>
    <name>LWUploadEffectModel</name>
    <message>
        <source>特效文件生成失败，无法上传</source>
        <translation>エフェクトファイルを生成できなかったため、アップロードできません</translation>
    </message>
    <message>
        <source>The icon file cannot be opened.</source>
        <translation>アイコンファイルを開けません。</translation>
    </message>
    <message>
        <source>The icon must be a PNG file of at most 40 kB.</source>
        <translation>アイコンは 40 kB 以下の PNG ファイルにしてください。</translation>
    </message>
    <message>
        <source>The icon upload timed out, please try again.</source>
        <translation>アイコンのアップロードがタイムアウトしました。もう一度お試しください。</translation>
    </message>
    <message>
        <source>The icon upload failed, please try again.</source>
        <translation>アイコンのアップロードに失敗しました。もう一度お試しください。</translation>
    </message>
    <message>
        <source>Choose an icon</source>
        <translation>アイコンを選択</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>PNG 画像 (*.png)</translation>
    </message>
    <message>
        <source>请输入特效名称</source>
        <translation>エフェクト名を入力してください</translation>
    </message>
    <message>
        <source>请输入特效介绍</source>
        <translation>エフェクトの紹介を入力してください</translation>
    </message>
    <message>
        <source>特效文件超过5M，无法上传</source>
        <translation>エフェクトファイルが 5MB を超えているため、アップロードできません</translation>
    </message>
    <message>
        <source>获取特效文件失败</source>
        <translation>エフェクトファイルを取得できませんでした</translation>
    </message>
    <message>
        <source>上传成功</source>
        <translation>アップロードしました</translation>
    </message>
    <message>
        <source>特效文件上传失败，请重试</source>
        <translation>エフェクトファイルのアップロードに失敗しました。もう一度お試しください</translation>
    </message>
</context>
<context>
    <name>LWUploadEffectWindow</name>
    <message>
        <source>Submit effect</source>
        <translation>エフェクトを送信</translation>
    </message>
    <message>
        <source>No hint</source>
        <translation>ヒントなし</translation>
    </message>
    <message>
        <source>Open your mouth</source>
        <translation>口を開けてください</translation>
    </message>
    <message>
        <source>Blink your eyes</source>
        <translation>まばたきしてください</translation>
    </message>
    <message>
        <source>Raise your eyebrows</source>
        <translation>眉を上げてください</translation>
    </message>
    <message>
        <source>Nod your head</source>
        <translation>うなずいてください</translation>
    </message>
    <message>
        <source>Show your palm</source>
        <translation>手のひらを見せてください</translation>
    </message>
    <message>
        <source>Icon uploaded.</source>
        <translation>アイコンをアップロードしました。</translation>
    </message>
    <message>
        <source>Upload cancelled.</source>
        <translation>アップロードをキャンセルしました。</translation>
    </message>
    <message>
        <source>Package ready: %1</source>
        <translation>パッケージの準備完了：%1</translation>
    </message>
    <message>
        <source>Preparing the effect package...</source>
        <translation>エフェクトパッケージを準備しています…</translation>
    </message>
    <message>
        <source>Change icon</source>
        <translation>アイコンを変更</translation>
    </message>
    <message>
        <source>PNG, 162 × 162 pixels, at most 40 kB</source>
        <translation>PNG、162 × 162 ピクセル、40 kB 以下</translation>
    </message>
    <message>
        <source>Effect name</source>
        <translation>エフェクト名</translation>
    </message>
    <message>
        <source>What should the effect be called?</source>
        <translation>エフェクトの名前を入力してください</translation>
    </message>
    <message>
        <source>Introduction</source>
        <translation>紹介文</translation>
    </message>
    <message>
        <source>Tell people what the effect does</source>
        <translation>エフェクトの内容を紹介してください</translation>
    </message>
    <message>
        <source>Hint shown to the person in front of the camera</source>
        <translation>カメラの前の人に表示するヒント</translation>
    </message>
    <message>
        <source>Replace an earlier effect</source>
        <translation>以前のエフェクトを置き換える</translation>
    </message>
    <message>
        <source>Cancel upload</source>
        <translation>アップロードをキャンセル</translation>
    </message>
    <message>
        <source>Submit for review</source>
        <translation>審査に送信</translation>
    </message>
    <message>
        <source>Uploading...</source>
        <translation>アップロード中…</translation>
    </message>
    <message>
        <source>Update “%1”</source>
        <translation>「%1」を更新</translation>
    </message>
    <message>
        <source>Submit a new effect for review</source>
        <translation>新しいエフェクトを審査に送信</translation>
    </message>
    <message>
        <source>Choose another effect</source>
        <translation>別のエフェクトを選ぶ</translation>
    </message>
</context>
<context>
    <name>LWWaitingCover</name>
    <message>
        <source>Loading...</source>
        <translation>読み込み中…</translation>
    </message>
</context>
</TS>
