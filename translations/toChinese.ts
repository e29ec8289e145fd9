<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>LW2DStickerFeatureModel</name>
    <message>
        <source>Import As Texture</source>
        <translation>导入为纹理</translation>
    </message>
    <message>
        <source>Delete Effect</source>
        <translation>删除特效</translation>
    </message>
    <message>
        <source>Add component</source>
        <translation>添加组件</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>重命名</translation>
    </message>
    <message>
        <source>Image files</source>
        <translation>图片文件</translation>
    </message>
    <message>
        <source>Choose file</source>
        <translation>选择文件</translation>
    </message>
</context>
<context>
    <name>LW2DStickerPart</name>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>重命名</translation>
    </message>
</context>
<context>
    <name>LWAdapterFileDialog</name>
    <message>
        <source>All files</source>
        <translation>所有文件</translation>
    </message>
</context>
<context>
    <name>LWBGMFeatureModel</name>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
</context>
<context>
    <name>LWCheckUpDownloadWindow</name>
    <message>
        <source>Downloading update</source>
        <translation>正在下载更新</translation>
    </message>
    <message>
        <source>Downloading Glowsmith %1</source>
        <translation>正在下载 Glowsmith %1</translation>
    </message>
    <message>
        <source>The installer is checked before it is offered</source>
        <translation>安装程序通过校验后才会提供</translation>
    </message>
    <message>
        <source>%1 MB of %2 MB</source>
        <translation>%1 MB / %2 MB</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>重试</translation>
    </message>
</context>
<context>
    <name>LWCheckUpdateCheckingWindow</name>
    <message>
        <source>Check Updates</source>
        <translation>检查更新</translation>
    </message>
    <message>
        <source>Current version %1</source>
        <translation>当前版本 %1</translation>
    </message>
    <message>
        <source>Looking for a newer version...</source>
        <translation>正在检查新版本…</translation>
    </message>
    <message>
        <source>The update service did not answer. Please try again later.</source>
        <translation>更新服务无响应，请稍后重试。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>LWCheckUpdateFinishWindow</name>
    <message>
        <source>Update</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>Download complete</source>
        <translation>下载完成</translation>
    </message>
    <message>
        <source>Glowsmith %1 is ready to install</source>
        <translation>Glowsmith %1 已可安装</translation>
    </message>
    <message>
        <source>Glowsmith closes so that the installer can update it. Save your project first.</source>
        <translation>Glowsmith 将关闭，以便安装程序完成更新。请先保存项目。</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>稍后</translation>
    </message>
    <message>
        <source>Install now</source>
        <translation>立即安装</translation>
    </message>
</context>
<context>
    <name>LWCheckUpdateIsNewWindow</name>
    <message>
        <source>Check Updates</source>
        <translation>检查更新</translation>
    </message>
    <message>
        <source>You are up to date</source>
        <translation>已是最新版本</translation>
    </message>
    <message>
        <source>Glowsmith %1 is the newest version.</source>
        <translation>Glowsmith %1 已是最新版本。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>LWCheckUpdateWindow</name>
    <message>
        <source>Update</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>A new version is available</source>
        <translation>有新版本可用</translation>
    </message>
    <message>
        <source>Glowsmith %1 (you have %2)</source>
        <translation>Glowsmith %1（当前版本 %2）</translation>
    </message>
    <message>
        <source>New features</source>
        <translation>新功能</translation>
    </message>
    <message>
        <source>Fixed problems</source>
        <translation>问题修复</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>稍后</translation>
    </message>
    <message>
        <source>Update now</source>
        <translation>立即更新</translation>
    </message>
</context>
<context>
    <name>LWCheckUpdateWindowModel</name>
    <message>
        <source>The installer cannot be saved in the Lumeworks folder.</source>
        <translation>无法将安装程序保存到 Lumeworks 文件夹。</translation>
    </message>
    <message>
        <source>The download could not be completed. Please try again later.</source>
        <translation>下载未能完成，请稍后重试。</translation>
    </message>
    <message>
        <source>There is no verified installer to start.</source>
        <translation>没有可启动的已校验安装程序。</translation>
    </message>
    <message>
        <source>The installer cannot be prepared.</source>
        <translation>无法准备安装程序。</translation>
    </message>
    <message>
        <source>The installer could not be started.</source>
        <translation>无法启动安装程序。</translation>
    </message>
    <message>
        <source>This update is not signed, so it cannot be trusted and is not offered for download.</source>
        <translation>此更新没有签名，无法信任，因此不提供下载。</translation>
    </message>
    <message>
        <source>This update carries a damaged signature, so it cannot be trusted and is not offered for download.</source>
        <translation>此更新的签名已损坏，无法信任，因此不提供下载。</translation>
    </message>
    <message>
        <source>This update would be downloaded over an unprotected connection (not https), so it is not offered for download.</source>
        <translation>此更新需要通过未加密的连接（非 https）下载，因此不提供下载。</translation>
    </message>
    <message>
        <source>The downloaded installer&apos;s signature does not match this editor&apos;s key, so it was deleted and will not be started.</source>
        <translation>下载的安装程序签名与本编辑器的密钥不符，已将其删除，不会启动。</translation>
    </message>
</context>
<context>
    <name>LWCompressFilesWindow</name>
    <message>
        <source>Compressed file</source>
        <translation>压缩文件</translation>
    </message>
    <message>
        <source>No compression</source>
        <translation>不压缩</translation>
    </message>
    <message>
        <source>High quality</source>
        <translation>高质量</translation>
    </message>
    <message>
        <source>Medium quality</source>
        <translation>中等质量</translation>
    </message>
    <message>
        <source>Low quality</source>
        <translation>低质量</translation>
    </message>
    <message>
        <source>Suggest to compress sequence files if special effect is over 5M</source>
        <translation>特效超过 5M 时，建议压缩序列帧文件</translation>
    </message>
    <message>
        <source>The project has no frame sequences.</source>
        <translation>项目中没有序列帧。</translation>
    </message>
    <message>
        <source>No frames</source>
        <translation>无序列帧</translation>
    </message>
    <message>
        <source>Frames</source>
        <translation>帧数</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>大小</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>质量</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>完成</translation>
    </message>
</context>
<context>
    <name>LWEffectNavigator</name>
    <message>
        <source>Effects</source>
        <translation>特效</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>2D Sticker</source>
        <translation>2D贴纸</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>滤镜</translation>
    </message>
    <message>
        <source>Makeup V2</source>
        <translation>美妆 V2</translation>
    </message>
    <message>
        <source>Eyebrow</source>
        <translation>眉毛</translation>
    </message>
    <message>
        <source>Mask</source>
        <translation>面具</translation>
    </message>
    <message>
        <source>Eye</source>
        <translation>眼妆</translation>
    </message>
    <message>
        <source>Pupil</source>
        <translation>美瞳</translation>
    </message>
    <message>
        <source>Lip V2</source>
        <translation>唇妆 V2</translation>
    </message>
    <message>
        <source>HairColor</source>
        <translation>染发</translation>
    </message>
    <message>
        <source>FacePick</source>
        <translation>人像抠图</translation>
    </message>
    <message>
        <source>Background Music</source>
        <translation>背景音乐</translation>
    </message>
</context>
<context>
    <name>LWEffectPackManager</name>
    <message>
        <source>The effect package could not be built.</source>
        <translation>无法生成特效包。</translation>
    </message>
    <message>
        <source>The package could not be written to %1.</source>
        <translation>无法将特效包写入 %1。</translation>
    </message>
    <message>
        <source>%1 holds no effect package (no config.json).</source>
        <translation>%1 中没有特效包（缺少 config.json）。</translation>
    </message>
    <message>
        <source>The package %1 could not be read.</source>
        <translation>无法读取特效包 %1。</translation>
    </message>
    <message>
        <source>The package %1 is damaged or unsafe and was not imported.</source>
        <translation>特效包 %1 已损坏或不安全，未导入。</translation>
    </message>
    <message>
        <source>The project could not be saved in %1. The files there are still those of the last save.</source>
        <translation>无法将项目保存到 %1。该位置的文件仍为上次保存的版本。</translation>
    </message>
    <message>
        <source>The project could not be saved in %1.</source>
        <translation>无法将项目保存到 %1。</translation>
    </message>
</context>
<context>
    <name>LWExportNotice</name>
    <message>
        <source>Exported to %1</source>
        <translation>已导出到 %1</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>在文件夹中显示</translation>
    </message>
</context>
<context>
    <name>LWFaceIndex</name>
    <message>
        <source>Face 1</source>
        <translation>人脸 1</translation>
    </message>
    <message>
        <source>Face 2</source>
        <translation>人脸 2</translation>
    </message>
    <message>
        <source>Face 3</source>
        <translation>人脸 3</translation>
    </message>
    <message>
        <source>Face 4</source>
        <translation>人脸 4</translation>
    </message>
    <message>
        <source>Face 5</source>
        <translation>人脸 5</translation>
    </message>
    <message>
        <source>Face 6</source>
        <translation>人脸 6</translation>
    </message>
    <message>
        <source>All Faces</source>
        <translation>所有人脸</translation>
    </message>
    <message>
        <source>Customize</source>
        <translation>自定义</translation>
    </message>
    <message>
        <source>Add face</source>
        <translation>添加人脸</translation>
    </message>
</context>
<context>
    <name>LWFaceMakeUpV2Model</name>
    <message>
        <source>Eyebrow</source>
        <translation>眉毛</translation>
    </message>
    <message>
        <source>Mask</source>
        <translation>面具</translation>
    </message>
    <message>
        <source>Eye</source>
        <translation>眼妆</translation>
    </message>
    <message>
        <source>Pupil</source>
        <translation>美瞳</translation>
    </message>
    <message>
        <source>Lip V2</source>
        <translation>唇妆 V2</translation>
    </message>
    <message>
        <source>Add Effect</source>
        <translation>添加特效</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>重命名</translation>
    </message>
    <message>
        <source>Delete Effect</source>
        <translation>删除特效</translation>
    </message>
</context>
<context>
    <name>LWFaceMakeupV2FilterBase</name>
    <message>
        <source>Rename</source>
        <translation>重命名</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
</context>
<context>
    <name>LWFeedBackModel</name>
    <message>
        <source>Choose a screenshot</source>
        <translation>选择截图</translation>
    </message>
    <message>
        <source>Images (*.png *.jpg *.jpeg)</source>
        <translation>图片 (*.png *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>User feedback</source>
        <translation>用户反馈</translation>
    </message>
    <message>
        <source>Reply</source>
        <translation>回复</translation>
    </message>
    <message>
        <source>The effect package could not be made, so it cannot be attached.</source>
        <translation>无法生成特效包，因此无法附加。</translation>
    </message>
    <message>
        <source>The effect package is larger than 5 MB and cannot be attached. Remove the tick to send your message without it.</source>
        <translation>特效包超过 5 MB，无法附加。取消勾选即可不带特效包发送反馈。</translation>
    </message>
</context>
<context>
    <name>LWFeedbackRecordsPage</name>
    <message>
        <source>No feedback yet.</source>
        <translation>暂无反馈。</translation>
    </message>
    <message>
        <source>User feedback</source>
        <translation>用户反馈</translation>
    </message>
</context>
<context>
    <name>LWFeedbackSendPage</name>
    <message>
        <source>Please describe the problem in detail so we can better assist you(within 200 words)</source>
        <translation>请详细描述问题，以便我们更好地为您提供帮助（200字以内）</translation>
    </message>
    <message>
        <source>Optional, for contact</source>
        <translation>选填，便于联系您</translation>
    </message>
    <message>
        <source>Sending your feedback...</source>
        <translation>正在发送反馈…</translation>
    </message>
    <message>
        <source>Thank you! Your feedback was sent.</source>
        <translation>感谢您的反馈，已发送成功。</translation>
    </message>
    <message>
        <source>The feedback could not be sent. Please try again later.</source>
        <translation>反馈发送失败，请稍后重试。</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>联系方式</translation>
    </message>
    <message>
        <source>No screenshot</source>
        <translation>无截图</translation>
    </message>
    <message>
        <source>Add screenshot</source>
        <translation>添加截图</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>Attach the current effect package</source>
        <translation>附上当前特效包</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>提交</translation>
    </message>
</context>
<context>
    <name>LWFeedbackWindow</name>
    <message>
        <source>Feedback</source>
        <translation>反馈</translation>
    </message>
    <message>
        <source>Tell us what went wrong or what you would like to see</source>
        <translation>告诉我们遇到的问题或希望增加的功能</translation>
    </message>
    <message>
        <source>My feedback</source>
        <translation>我的反馈</translation>
    </message>
</context>
<context>
    <name>LWFilterModel</name>
    <message>
        <source>Rename</source>
        <translation>重命名</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
</context>
<context>
    <name>LWHairColorFeature</name>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>重命名</translation>
    </message>
</context>
<context>
    <name>LWHomeWindow</name>
    <message>
        <source>Home</source>
        <translation>主页</translation>
    </message>
    <message>
        <source>New project</source>
        <translation>新建项目</translation>
    </message>
    <message>
        <source>Open project…</source>
        <translation>打开项目…</translation>
    </message>
    <message>
        <source>Templates</source>
        <translation>模板</translation>
    </message>
    <message>
        <source>Recent projects</source>
        <translation>最近的项目</translation>
    </message>
    <message>
        <source>Online tutorial</source>
        <translation>在线教程</translation>
    </message>
    <message>
        <source>My effects</source>
        <translation>我的特效</translation>
    </message>
    <message>
        <source>Start from a template</source>
        <translation>从模板开始</translation>
    </message>
    <message>
        <source>Start with a new project; templates arrive with the next update.</source>
        <translation>请先新建项目；模板将随下次更新提供。</translation>
    </message>
    <message>
        <source>Projects you save appear here</source>
        <translation>保存的项目会显示在这里</translation>
    </message>
    <message>
        <source>Open project</source>
        <translation>打开项目</translation>
    </message>
    <message>
        <source>Glowsmith project</source>
        <translation>Glowsmith 项目</translation>
    </message>
    <message>
        <source>The Lumeworks project you want to open does not exist and may have been renamed or deleted.</source>
        <translation>要打开的 Lumeworks 项目不存在，可能已被重命名或删除。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Resume last project?</source>
        <translation>是否恢复上次的项目？</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>恢复</translation>
    </message>
    <message>
        <source>Cancle</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>LWImageFileInfo</name>
    <message>
        <source>%1 byte(s)</source>
        <translation>%1 字节</translation>
    </message>
</context>
<context>
    <name>LWImageWell</name>
    <message>
        <source>Drop images here</source>
        <translation>将图片拖放到此处</translation>
    </message>
</context>
<context>
    <name>LWInspectorPanel</name>
    <message>
        <source>Parameter information</source>
        <translation>参数信息</translation>
    </message>
    <message>
        <source>Select a feature or a resource to edit its parameters</source>
        <translation>选择特效或资源以编辑其参数</translation>
    </message>
</context>
<context>
    <name>LWLanguageChangeWindow</name>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>LWLoginBase</name>
    <message>
        <source>网络超时</source>
        <translation>网络超时</translation>
    </message>
    <message>
        <source>账号名或者密码错误</source>
        <translation>账号名或者密码错误</translation>
    </message>
    <message>
        <source>账号在其他客户端登陆</source>
        <translation>账号在其他客户端登陆</translation>
    </message>
</context>
<context>
    <name>LWLoginBridge</name>
    <message>
        <source>Upload effect</source>
        <translation>上传特效</translation>
    </message>
</context>
<context>
    <name>LWLoginWays</name>
    <message>
        <source>Account and password</source>
        <translation>账号密码登录</translation>
    </message>
    <message>
        <source>Company sign-on</source>
        <translation>企业统一登录</translation>
    </message>
    <message>
        <source>Phone number</source>
        <translation>手机号登录</translation>
    </message>
    <message>
        <source>Last used</source>
        <translation>上次使用</translation>
    </message>
</context>
<context>
    <name>LWMainMenuBar</name>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新建</translation>
    </message>
    <message>
        <source>New empty project</source>
        <translation>新建空项目</translation>
    </message>
    <message>
        <source>Create a new project from the template</source>
        <translation>从模板新建项目</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Open recently</source>
        <translation>最近打开</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>另存为</translation>
    </message>
    <message>
        <source>Export effect package</source>
        <translation>导出特效包</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>重做</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>全选</translation>
    </message>
    <message>
        <source>Tool</source>
        <translation>工具</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>中文</translation>
    </message>
    <message>
        <source>English</source>
        <translation>英文</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>日文</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>韩文</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Tutorial</source>
        <translation>教程</translation>
    </message>
    <message>
        <source>Check Updates</source>
        <translation>检查更新</translation>
    </message>
    <message>
        <source>Onboarding flow</source>
        <translation>新手引导</translation>
    </message>
</context>
<context>
    <name>LWMainToolbar</name>
    <message>
        <source>Upload</source>
        <translation>上传</translation>
    </message>
    <message>
        <source>Sync to Phone</source>
        <translation>同步到手机</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>反馈</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>账号</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>登录</translation>
    </message>
    <message>
        <source>Submit for review...</source>
        <translation>提交审核...</translation>
    </message>
    <message>
        <source>Upload on the publishing site...</source>
        <translation>在发布网站上传...</translation>
    </message>
</context>
<context>
    <name>LWMainWindow</name>
    <message>
        <source>Untitled</source>
        <translation>未命名</translation>
    </message>
    <message>
        <source>Do you save the project before exiting?</source>
        <translation>退出前是否保存项目？</translation>
    </message>
    <message>
        <source>The Lumeworks project you want to open does not exist and may have been renamed or deleted.</source>
        <translation>要打开的 Lumeworks 项目不存在，可能已被重命名或删除。</translation>
    </message>
    <message>
        <source>Please add an effect first</source>
        <translation>请先添加特效</translation>
    </message>
    <message>
        <source>Open project</source>
        <translation>打开项目</translation>
    </message>
    <message>
        <source>Glowsmith project</source>
        <translation>Glowsmith 项目</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>另存为</translation>
    </message>
    <message>
        <source>Export effect package</source>
        <translation>导出特效包</translation>
    </message>
    <message>
        <source>Effect package</source>
        <translation>特效包</translation>
    </message>
    <message>
        <source>Resume last project?</source>
        <translation>是否恢复上次的项目？</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>恢复</translation>
    </message>
    <message>
        <source>Cancle</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Log out</source>
        <translation>退出登录</translation>
    </message>
    <message>
        <source>Effects such as filters and leg deformations can only be effective one. Please remove unwanted filters.</source>
        <translation>滤镜、美腿等特效只能有一个生效，请删除多余的滤镜。</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>确认</translation>
    </message>
    <message>
        <source>Whether to save the current project</source>
        <translation>是否保存当前项目？</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Not Save</source>
        <translation>不保存</translation>
    </message>
    <message>
        <source>The account will log in on other machines and will exit.</source>
        <translation>账号已在其他设备登录，即将退出。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Signed in with: %1</source>
        <translation>登录方式：%1</translation>
    </message>
</context>
<context>
    <name>LWMaterialsWindow</name>
    <message>
        <source>Assest library</source>
        <translation>素材库</translation>
    </message>
    <message>
        <source>Click a material to add it to the project&apos;s resources</source>
        <translation>点击素材即可添加到项目资源</translation>
    </message>
    <message>
        <source>No materials to show yet.</source>
        <translation>暂无素材。</translation>
    </message>
    <message>
        <source>Added · %1</source>
        <translation>已添加 · %1</translation>
    </message>
    <message>
        <source>Not added · %1</source>
        <translation>未添加 · %1</translation>
    </message>
</context>
<context>
    <name>LWMattingFeatureModel</name>
    <message>
        <source>Rename</source>
        <translation>重命名</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
</context>
<context>
    <name>LWMessageBox</name>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>LWNaviTreeView</name>
    <message>
        <source>Nothing here yet</source>
        <translation>暂无内容</translation>
    </message>
</context>
<context>
    <name>LWNormalLoginWindow</name>
    <message>
        <source>Sign in</source>
        <translation>登录</translation>
    </message>
    <message>
        <source>The sign-in did not succeed. Please try again.</source>
        <translation>登录失败，请重试。</translation>
    </message>
    <message>
        <source>Sign in to Glowsmith</source>
        <translation>登录 Glowsmith</translation>
    </message>
    <message>
        <source>Use your publishing account to upload effects</source>
        <translation>使用发布账号上传特效</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>账号</translation>
    </message>
    <message>
        <source>Account name</source>
        <translation>账号名</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>Remember me on this computer</source>
        <translation>在此电脑上记住我</translation>
    </message>
    <message>
        <source>Signing in...</source>
        <translation>正在登录…</translation>
    </message>
    <message>
        <source>Your sign-in is checked again every few minutes.</source>
        <translation>登录状态每隔几分钟会重新验证一次。</translation>
    </message>
</context>
<context>
    <name>LWOnboardingTour</name>
    <message>
        <source>Add effects</source>
        <translation>添加特效</translation>
    </message>
    <message>
        <source>Use + in the effect list to add stickers, makeup, filters, hair colour or person cut-out.</source>
        <translation>使用特效列表中的 + 添加贴纸、美妆、滤镜、染发或人像抠图。</translation>
    </message>
    <message>
        <source>Place and tune</source>
        <translation>摆放与调整</translation>
    </message>
    <message>
        <source>Select an effect to place it on the face in the middle and tune it on the right.</source>
        <translation>选中特效后，可在中间的人脸上摆放，并在右侧调整参数。</translation>
    </message>
    <message>
        <source>Try and share</source>
        <translation>试用与分享</translation>
    </message>
    <message>
        <source>Sync to Phone previews the effect on a phone; Upload sends it for review.</source>
        <translation>“同步到手机”可在手机上预览特效，“上传”会将特效提交审核。</translation>
    </message>
    <message>
        <source>Click to pass</source>
        <translation>跳过</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>下一步</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>完成</translation>
    </message>
</context>
<context>
    <name>LWPackageSizeBadge</name>
    <message>
        <source>Package %1 · over 5 MB</source>
        <translation>特效包 %1 · 超过 5 MB</translation>
    </message>
    <message>
        <source>Package %1</source>
        <translation>特效包 %1</translation>
    </message>
    <message>
        <source>Size of the exported effect package. Packages over 5 MB cannot be published.</source>
        <translation>导出的特效包大小。超过 5 MB 的特效包无法发布。</translation>
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
        <translation>PNG 检查</translation>
    </message>
    <message>
        <source>Please use 8 bit PNG</source>
        <translation>请使用 8 位 PNG</translation>
    </message>
    <message>
        <source>ok</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>LWPreviewFrame</name>
    <message>
        <source>Drawing the effect…</source>
        <translation>正在绘制特效…</translation>
    </message>
</context>
<context>
    <name>LWPreviewPane</name>
    <message>
        <source>Preview window</source>
        <translation>预览窗口</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>播放</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>重新开始</translation>
    </message>
    <message>
        <source>%1 fps</source>
        <translation>%1 帧/秒</translation>
    </message>
    <message>
        <source>paused</source>
        <translation>已暂停</translation>
    </message>
    <message>
        <source>%1 ms a frame</source>
        <translation>每帧 %1 毫秒</translation>
    </message>
    <message>
        <source>Face</source>
        <translation>脸型</translation>
    </message>
    <message>
        <source>Human</source>
        <translation>人脸</translation>
    </message>
    <message>
        <source>Cat</source>
        <translation>猫</translation>
    </message>
    <message>
        <source>Try a face action</source>
        <translation>试试脸部动作</translation>
    </message>
    <message>
        <source>Unmute</source>
        <translation>取消静音</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>静音</translation>
    </message>
    <message>
        <source>Draw on</source>
        <translation>绘制于</translation>
    </message>
    <message>
        <source>Standard face</source>
        <translation>标准脸</translation>
    </message>
    <message>
        <source>Photo…</source>
        <translation>照片…</translation>
    </message>
    <message>
        <source>Video…</source>
        <translation>视频…</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>摄像头</translation>
    </message>
    <message>
        <source>Follow</source>
        <translation>跟踪</translation>
    </message>
    <message>
        <source>Face %1</source>
        <translation>人脸 %1</translation>
    </message>
    <message>
        <source>Use &quot;Sync to Phone&quot; to try the effect on the phone&apos;s camera.</source>
        <translation>使用“同步到手机”在手机摄像头上试用特效。</translation>
    </message>
</context>
<context>
    <name>LWPreviewSource</name>
    <message>
        <source>The photo %1 cannot be read.</source>
        <translation>无法读取照片 %1。</translation>
    </message>
    <message>
        <source>The video %1 cannot be played: %2</source>
        <translation>无法播放视频 %1：%2</translation>
    </message>
    <message>
        <source>No camera</source>
        <translation>没有摄像头</translation>
    </message>
    <message>
        <source>The camera cannot be used: %1</source>
        <translation>无法使用摄像头：%1</translation>
    </message>
</context>
<context>
    <name>LWPreviewViewModel</name>
    <message>
        <source>Hair colour and matting need masks a face tracker cannot give: they show on the standard face only.</source>
        <translation>染发和抠像需要人脸跟踪无法提供的遮罩：仅在标准脸上显示。</translation>
    </message>
    <message>
        <source>A photo to preview the effect on</source>
        <translation>选择用于预览特效的照片</translation>
    </message>
    <message>
        <source>Photos (*.png *.jpg *.jpeg *.bmp *.webp)</source>
        <translation>照片 (*.png *.jpg *.jpeg *.bmp *.webp)</translation>
    </message>
    <message>
        <source>A video to preview the effect on</source>
        <translation>选择用于预览特效的视频</translation>
    </message>
    <message>
        <source>Videos (*.mp4 *.mkv *.webm *.avi *.mov *.ogv)</source>
        <translation>视频 (*.mp4 *.mkv *.webm *.avi *.mov *.ogv)</translation>
    </message>
    <message>
        <source>Loading the face model…</source>
        <translation>正在加载人脸模型…</translation>
    </message>
    <message>
        <source>No face found</source>
        <translation>未找到人脸</translation>
    </message>
</context>
<context>
    <name>LWProp2DTextureButtonViewModel</name>
    <message>
        <source>image format error</source>
        <translation>图片格式错误</translation>
    </message>
    <message>
        <source>Size of the imported image has to be</source>
        <translation>导入的图片尺寸必须为</translation>
    </message>
</context>
<context>
    <name>LWPropButtonView</name>
    <message>
        <source>On</source>
        <translation>开</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>关</translation>
    </message>
</context>
<context>
    <name>LWPropImageButton</name>
    <message>
        <source>No image</source>
        <translation>无图片</translation>
    </message>
</context>
<context>
    <name>LWPropImageButtonViewModel</name>
    <message>
        <source>Choose file</source>
        <translation>选择文件</translation>
    </message>
    <message>
        <source>Image files</source>
        <translation>图片文件</translation>
    </message>
    <message>
        <source>Image unable to parse</source>
        <translation>无法解析图片</translation>
    </message>
</context>
<context>
    <name>LWPropImageViewModel</name>
    <message>
        <source>Image unable to parse</source>
        <translation>无法解析图片</translation>
    </message>
</context>
<context>
    <name>LWPropOpenPanelView</name>
    <message>
        <source>Edit…</source>
        <translation>编辑…</translation>
    </message>
</context>
<context>
    <name>LWPropOptionViewModel</name>
    <message>
        <source>choose music file</source>
        <translation>选择音乐文件</translation>
    </message>
    <message>
        <source>music files</source>
        <translation>音乐文件</translation>
    </message>
    <message>
        <source>choose texture folder</source>
        <translation>选择纹理文件夹</translation>
    </message>
    <message>
        <source>Image files</source>
        <translation>图片文件</translation>
    </message>
    <message>
        <source>Choose file</source>
        <translation>选择文件</translation>
    </message>
    <message>
        <source>The picture does not fit here.</source>
        <translation>这张图片不适用于此处。</translation>
    </message>
</context>
<context>
    <name>LWPropTextureButtonView</name>
    <message>
        <source>frame(s)</source>
        <translation>帧</translation>
    </message>
</context>
<context>
    <name>LWPublicLoginWindow</name>
    <message>
        <source>Sign in</source>
        <translation>登录</translation>
    </message>
    <message>
        <source>Signed in. Getting things ready...</source>
        <translation>已登录，正在准备…</translation>
    </message>
</context>
<context>
    <name>LWResourceComponentView</name>
    <message>
        <source>Rename</source>
        <translation>重命名</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
</context>
<context>
    <name>LWResourceGroupsView</name>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
</context>
<context>
    <name>LWResourceImageCheck</name>
    <message>
        <source>Size should be 1200 x 1200</source>
        <translation>尺寸应为 1200 x 1200</translation>
    </message>
    <message>
        <source>Size should be 1280 x 1280</source>
        <translation>尺寸应为 1280 x 1280</translation>
    </message>
    <message>
        <source>Size should under 540 x 960</source>
        <translation>尺寸不能超过 540 x 960</translation>
    </message>
    <message>
        <source>Size should under 1000 x 1000</source>
        <translation>尺寸不能超过 1000 x 1000</translation>
    </message>
    <message>
        <source>Size should be 174 x 89</source>
        <translation>尺寸应为 174 x 89</translation>
    </message>
    <message>
        <source>Size should be 512 x 512</source>
        <translation>尺寸应为 512 x 512</translation>
    </message>
    <message>
        <source>Size should be 150 x 150</source>
        <translation>尺寸应为 150 x 150</translation>
    </message>
    <message>
        <source>Invalid resources</source>
        <translation>无效资源</translation>
    </message>
</context>
<context>
    <name>LWResourceImportService</name>
    <message>
        <source>%1 is %2 x %3 pixels. The camera uses images of at most %4 pixels: please scale it down before importing it.</source>
        <translation>%1 的尺寸为 %2 x %3 像素。相机最多使用 %4 像素的图片：请先缩小后再导入。</translation>
    </message>
    <message>
        <source>Please use 8 bit PNG</source>
        <translation>请使用 8 位 PNG</translation>
    </message>
</context>
<context>
    <name>LWResourceManager</name>
    <message>
        <source>Resource unqualified</source>
        <translation>资源不符合要求</translation>
    </message>
</context>
<context>
    <name>LWResourceNavigator</name>
    <message>
        <source>Resources</source>
        <translation>资源</translation>
    </message>
    <message>
        <source>Assest library</source>
        <translation>素材库</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>导入</translation>
    </message>
    <message>
        <source>Folder with groups…</source>
        <translation>含分组的文件夹…</translation>
    </message>
    <message>
        <source>Import folder</source>
        <translation>导入文件夹</translation>
    </message>
    <message>
        <source>Import File</source>
        <translation>导入文件</translation>
    </message>
    <message>
        <source>Import GIF</source>
        <translation>导入 GIF</translation>
    </message>
    <message>
        <source>Import Texture Frames</source>
        <translation>导入序列帧</translation>
    </message>
    <message>
        <source>Import Texture Folder</source>
        <translation>导入纹理文件夹</translation>
    </message>
    <message>
        <source>Import Music</source>
        <translation>导入音乐</translation>
    </message>
    <message>
        <source>New Group</source>
        <translation>新建分组</translation>
    </message>
    <message>
        <source>Image files</source>
        <translation>图片文件</translation>
    </message>
    <message>
        <source>choose music file</source>
        <translation>选择音乐文件</translation>
    </message>
    <message>
        <source>music files</source>
        <translation>音乐文件</translation>
    </message>
</context>
<context>
    <name>LWSSOLoginWindow</name>
    <message>
        <source>Company sign-on</source>
        <translation>企业账号登录</translation>
    </message>
</context>
<context>
    <name>LWSaveGuard</name>
    <message>
        <source>Whether to save the current project</source>
        <translation>是否保存当前项目？</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Cancle</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Not Save</source>
        <translation>不保存</translation>
    </message>
</context>
<context>
    <name>LWSceneArea</name>
    <message>
        <source>Add an effect with the + button, then select it to place it on the face</source>
        <translation>点击 + 添加特效，选中后即可将其摆放到人脸上</translation>
    </message>
    <message>
        <source>Create or open a project to start</source>
        <translation>新建或打开项目以开始</translation>
    </message>
</context>
<context>
    <name>LWSceneViewport</name>
    <message>
        <source>Reset View</source>
        <translation>重置视图</translation>
    </message>
</context>
<context>
    <name>LWSecVarListViewModel</name>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
</context>
<context>
    <name>LWTemplateCatalogue</name>
    <message>
        <source>2D Sticker</source>
        <translation>2D贴纸</translation>
    </message>
    <message>
        <source>White Cat</source>
        <translation>白猫</translation>
    </message>
    <message>
        <source>FileMovie</source>
        <translation>胶片电影</translation>
    </message>
    <message>
        <source>I&apos;m DJ</source>
        <translation>我是DJ</translation>
    </message>
    <message>
        <source>Cat And Bear</source>
        <translation>猫和熊</translation>
    </message>
    <message>
        <source>FaceMakeUp</source>
        <translation>美妆</translation>
    </message>
    <message>
        <source>Orange eye shadow and tear mole</source>
        <translation>橘色眼影与泪痣</translation>
    </message>
    <message>
        <source>Ex Machina</source>
        <translation>机械姬</translation>
    </message>
    <message>
        <source>Cut out human image</source>
        <translation>人像抠图</translation>
    </message>
    <message>
        <source>Capsule</source>
        <translation>胶囊</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>滤镜</translation>
    </message>
    <message>
        <source>Sweet Filter</source>
        <translation>甜美滤镜</translation>
    </message>
</context>
<context>
    <name>LWTutorialDialog</name>
    <message>
        <source>Do not remind again</source>
        <translation>不再提醒</translation>
    </message>
    <message>
        <source>Check out tutorial</source>
        <translation>查看教程</translation>
    </message>
    <message>
        <source>Download template</source>
        <translation>下载模板</translation>
    </message>
</context>
<context>
    <name>LWUpdateAutoCheck</name>
    <message>
        <source>Check for updates automatically</source>
        <translation>自动检查更新</translation>
    </message>
</context>
<context>
    <name>LWUploadDraftEffectModel</name>
    <message>
        <source>Uploading...</source>
        <translation>正在上传…</translation>
    </message>
    <message>
        <source>Failed to get special effect file</source>
        <translation>获取特效文件失败</translation>
    </message>
    <message>
        <source>The effect file is over 5M and cannot be uploaded.</source>
        <translation>特效文件超过 5M，无法上传。</translation>
    </message>
    <message>
        <source>Effect file upload failed, please try again</source>
        <translation>特效文件上传失败，请重试</translation>
    </message>
</context>
<context>
    <name>LWUploadDraftPopup</name>
    <message>
        <source>Click to close the QR code</source>
        <translation>点击关闭二维码</translation>
    </message>
    <message>
        <source>Click to expand QR code</source>
        <translation>点击展开二维码</translation>
    </message>
    <message>
        <source>Upload a draft first</source>
        <translation>请先上传草稿</translation>
    </message>
</context>
<context>
    <name>LWUploadDraftWindow</name>
    <message>
        <source>Preview on phone</source>
        <translation>在手机上预览</translation>
    </message>
    <message>
        <source>Scan the code with the phone app to preview the effect.</source>
        <translation>使用手机 App 扫描二维码即可预览特效。</translation>
    </message>
    <message>
        <source>Uploads the effect as a draft</source>
        <translation>以草稿形式上传特效</translation>
    </message>
    <message>
        <source>No code yet</source>
        <translation>暂无二维码</translation>
    </message>
    <message>
        <source>Uploading...</source>
        <translation>正在上传…</translation>
    </message>
    <message>
        <source>Upload again</source>
        <translation>重新上传</translation>
    </message>
</context>
<context>
    <name>LWUploadEffectBase</name>
    <message>
        <source>网络异常，请稍后上传</source>
        <translation>网络异常，请稍后上传</translation>
    </message>
</context>
<context>
    <name>LWUploadEffectChoiceModel</name>
    <message>
        <source>Not reviewed</source>
        <translation>待审核</translation>
    </message>
    <message>
        <source>In review</source>
        <translation>审核中</translation>
    </message>
    <message>
        <source>Disapproved</source>
        <translation>未通过</translation>
    </message>
    <message>
        <source>Approved</source>
        <translation>已通过</translation>
    </message>
    <message>
        <source>Launched</source>
        <translation>已上线</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>未知</translation>
    </message>
    <message>
        <source>Your earlier effects could not be loaded.</source>
        <translation>无法加载您之前的特效。</translation>
    </message>
</context>
<context>
    <name>LWUploadEffectChoiceWindow</name>
    <message>
        <source>1 effect</source>
        <translation>1 个特效</translation>
    </message>
    <message>
        <source>%1 effects</source>
        <translation>%1 个特效</translation>
    </message>
    <message>
        <source>No earlier effects yet.</source>
        <translation>暂无以往的特效。</translation>
    </message>
    <message>
        <source>Submit as new effect</source>
        <translation>作为新特效提交</translation>
    </message>
    <message>
        <source>Replace selected</source>
        <translation>替换所选特效</translation>
    </message>
    <message>
        <source>Submit for review</source>
        <translation>提交审核</translation>
    </message>
    <message>
        <source>New effect or an update?</source>
        <translation>新特效还是更新已有特效？</translation>
    </message>
</context>
<context>
    <name>LWUploadEffectFile</name>
    <message>
        <source>The effect package is larger than 5 MB.</source>
        <translation>特效包超过 5 MB。</translation>
    </message>
</context>
<context>
    <name>LWUploadEffectModel</name>
    <message>
        <source>特效文件生成失败，无法上传</source>
        <translation>特效文件生成失败，无法上传</translation>
    </message>
    <message>
        <source>The icon file cannot be opened.</source>
        <translation>无法打开图标文件。</translation>
    </message>
    <message>
        <source>The icon must be a PNG file of at most 40 kB.</source>
        <translation>图标必须是不超过 40 kB 的 PNG 文件。</translation>
    </message>
    <message>
        <source>The icon upload timed out, please try again.</source>
        <translation>图标上传超时，请重试。</translation>
    </message>
    <message>
        <source>The icon upload failed, please try again.</source>
        <translation>图标上传失败，请重试。</translation>
    </message>
    <message>
        <source>Choose an icon</source>
        <translation>选择图标</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>PNG 图片 (*.png)</translation>
    </message>
    <message>
        <source>请输入特效名称</source>
        <translation>请输入特效名称</translation>
    </message>
    <message>
        <source>请输入特效介绍</source>
        <translation>请输入特效介绍</translation>
    </message>
    <message>
        <source>特效文件超过5M，无法上传</source>
        <translation>特效文件超过5M，无法上传</translation>
    </message>
    <message>
        <source>获取特效文件失败</source>
        <translation>获取特效文件失败</translation>
    </message>
    <message>
        <source>上传成功</source>
        <translation>上传成功</translation>
    </message>
    <message>
        <source>特效文件上传失败，请重试</source>
        <translation>特效文件上传失败，请重试</translation>
    </message>
</context>
<context>
    <name>LWUploadEffectWindow</name>
    <message>
        <source>Submit effect</source>
        <translation>提交特效</translation>
    </message>
    <message>
        <source>No hint</source>
        <translation>无提示</translation>
    </message>
    <message>
        <source>Open your mouth</source>
        <translation>张张嘴</translation>
    </message>
    <message>
        <source>Blink your eyes</source>
        <translation>眨眨眼</translation>
    </message>
    <message>
        <source>Raise your eyebrows</source>
        <translation>挑挑眉</translation>
    </message>
    <message>
        <source>Nod your head</source>
        <translation>点点头</translation>
    </message>
    <message>
        <source>Show your palm</source>
        <translation>伸出手掌</translation>
    </message>
    <message>
        <source>Icon uploaded.</source>
        <translation>图标已上传。</translation>
    </message>
    <message>
        <source>Upload cancelled.</source>
        <translation>已取消上传。</translation>
    </message>
    <message>
        <source>Package ready: %1</source>
        <translation>特效包已就绪：%1</translation>
    </message>
    <message>
        <source>Preparing the effect package...</source>
        <translation>正在准备特效包…</translation>
    </message>
    <message>
        <source>Change icon</source>
        <translation>更换图标</translation>
    </message>
    <message>
        <source>PNG, 162 × 162 pixels, at most 40 kB</source>
        <translation>PNG，162 × 162 像素，不超过 40 kB</translation>
    </message>
    <message>
        <source>Effect name</source>
        <translation>特效名称</translation>
    </message>
    <message>
        <source>What should the effect be called?</source>
        <translation>给特效起个名字</translation>
    </message>
    <message>
        <source>Introduction</source>
        <translation>特效介绍</translation>
    </message>
    <message>
        <source>Tell people what the effect does</source>
        <translation>介绍一下这个特效</translation>
    </message>
    <message>
        <source>Hint shown to the person in front of the camera</source>
        <translation>向镜头前的人显示的提示</translation>
    </message>
    <message>
        <source>Replace an earlier effect</source>
        <translation>替换以往的特效</translation>
    </message>
    <message>
        <source>Cancel upload</source>
        <translation>取消上传</translation>
    </message>
    <message>
        <source>Submit for review</source>
        <translation>提交审核</translation>
    </message>
    <message>
        <source>Uploading...</source>
        <translation>正在上传…</translation>
    </message>
    <message>
        <source>Update “%1”</source>
        <translation>更新“%1”</translation>
    </message>
    <message>
        <source>Submit a new effect for review</source>
        <translation>提交新特效审核</translation>
    </message>
    <message>
        <source>Choose another effect</source>
        <translation>选择其他特效</translation>
    </message>
</context>
<context>
    <name>LWWaitingCover</name>
    <message>
        <source>Loading...</source>
        <translation>正在加载…</translation>
    </message>
</context>
</TS>
