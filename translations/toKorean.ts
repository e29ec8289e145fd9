<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>LWHomeWindow</name>
    <message>
        <source>Home</source>
        <translation>홈</translation>
    </message>
    <message>
        <source>Camera effects for faces, hair and backgrounds</source>
        <translation>얼굴, 머리카락, 배경을 위한 카메라 효과</translation>
    </message>
</context>
<context>
    <name>LWLoginBridge</name>
    <message>
        <source>Sign in</source>
        <translation>로그인</translation>
    </message>
</context>
<context>
    <name>LWMainWindow</name>
    <message>
        <source>Untitled</source>
        <translation>제목 없음</translation>
    </message>
</context>
<context>
    <name>LWCheckUpdateWindow</name>
    <message>
        <source>Update</source>
        <translation>업데이트</translation>
    </message>
</context>
<context>
    <name>LWCheckUpDownloadWindow</name>
    <message>
        <source>Downloading update</source>
        <translation>업데이트 다운로드 중</translation>
    </message>
</context>
<context>
    <name>LWCompressFilesWindow</name>
    <message>
        <source>Compressed file</source>
        <translation>압축 파일</translation>
    </message>
</context>
</TS>
