<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>LWHomeWindow</name>
    <message>
        <source>Home</source>
        <translation>ホーム</translation>
    </message>
    <message>
        <source>Camera effects for faces, hair and backgrounds</source>
        <translation>顔・髪・背景のためのカメラエフェクト</translation>
    </message>
</context>
<context>
    <name>LWLoginBridge</name>
    <message>
        <source>Sign in</source>
        <translation>サインイン</translation>
    </message>
</context>
<context>
    <name>LWMainWindow</name>
    <message>
        <source>Untitled</source>
        <translation>無題</translation>
    </message>
</context>
<context>
    <name>LWCheckUpdateWindow</name>
    <message>
        <source>Update</source>
        <translation>アップデート</translation>
    </message>
</context>
<context>
    <name>LWCheckUpDownloadWindow</name>
    <message>
        <source>Downloading update</source>
        <translation>アップデートをダウンロード中</translation>
    </message>
</context>
<context>
    <name>LWCompressFilesWindow</name>
    <message>
        <source>Compressed file</source>
        <translation>圧縮ファイル</translation>
    </message>
</context>
</TS>
