<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>LWHomeWindow</name>
    <message>
        <source>Home</source>
        <translation>主页</translation>
    </message>
    <message>
        <source>Camera effects for faces, hair and backgrounds</source>
        <translation>为人脸、头发和背景制作相机特效</translation>
    </message>
</context>
<context>
    <name>LWLoginBridge</name>
    <message>
        <source>Sign in</source>
        <translation>登录</translation>
    </message>
</context>
<context>
    <name>LWMainWindow</name>
    <message>
        <source>Untitled</source>
        <translation>未命名</translation>
    </message>
</context>
<context>
    <name>LWCheckUpdateWindow</name>
    <message>
        <source>Update</source>
        <translation>更新</translation>
    </message>
</context>
<context>
    <name>LWCheckUpDownloadWindow</name>
    <message>
        <source>Downloading update</source>
        <translation>正在下载更新</translation>
    </message>
</context>
<context>
    <name>LWCompressFilesWindow</name>
    <message>
        <source>Compressed file</source>
        <translation>压缩文件</translation>
    </message>
</context>
</TS>
