<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>LW2DStickerFeatureModel</name>
    <message>
        <source>Import As Texture</source>
        <translation>텍스처로 가져오기</translation>
    </message>
    <message>
        <source>Delete Effect</source>
        <translation>효과 삭제</translation>
    </message>
    <message>
        <source>Add component</source>
        <translation>구성 요소 추가</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>이름 바꾸기</translation>
    </message>
    <message>
        <source>Image files</source>
        <translation>이미지 파일</translation>
    </message>
    <message>
        <source>Choose file</source>
        <translation>파일 선택</translation>
    </message>
</context>
<context>
    <name>LW2DStickerPart</name>
    <message>
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>이름 바꾸기</translation>
    </message>
</context>
<context>
    <name>LWAdapterFileDialog</name>
    <message>
        <source>All files</source>
        <translation>모든 파일</translation>
    </message>
</context>
<context>
    <name>LWBGMFeatureModel</name>
    <message>
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
</context>
<context>
    <name>LWCheckUpDownloadWindow</name>
    <message>
        <source>Downloading update</source>
        <translation>업데이트 다운로드 중</translation>
    </message>
    <message>
        <source>Downloading Glowsmith %1</source>
        <translation>Glowsmith %1 다운로드 중</translation>
    </message>
    <message>
        <source>The installer is checked before it is offered</source>
        <translation>설치 프로그램은 검증을 거친 후 제공됩니다</translation>
    </message>
    <message>
        <source>%1 MB of %2 MB</source>
        <translation>%1 MB / %2 MB</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>다시 시도</translation>
    </message>
</context>
<context>
    <name>LWCheckUpdateCheckingWindow</name>
    <message>
        <source>Check Updates</source>
        <translation>업데이트 확인</translation>
    </message>
    <message>
        <source>Current version %1</source>
        <translation>현재 버전 %1</translation>
    </message>
    <message>
        <source>Looking for a newer version...</source>
        <translation>새 버전을 확인하는 중…</translation>
    </message>
    <message>
        <source>The update service did not answer. Please try again later.</source>
        <translation>업데이트 서비스가 응답하지 않습니다. 잠시 후 다시 시도하세요.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
</context>
<context>
    <name>LWCheckUpdateFinishWindow</name>
    <message>
        <source>Update</source>
        <translation>업데이트</translation>
    </message>
    <message>
        <source>Download complete</source>
        <translation>다운로드 완료</translation>
    </message>
    <message>
        <source>Glowsmith %1 is ready to install</source>
        <translation>Glowsmith %1 설치 준비 완료</translation>
    </message>
    <message>
        <source>Glowsmith closes so that the installer can update it. Save your project first.</source>
        <translation>설치 프로그램이 업데이트할 수 있도록 Glowsmith가 종료됩니다. 먼저 프로젝트를 저장하세요.</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>나중에</translation>
    </message>
    <message>
        <source>Install now</source>
        <translation>지금 설치</translation>
    </message>
</context>
<context>
    <name>LWCheckUpdateIsNewWindow</name>
    <message>
        <source>Check Updates</source>
        <translation>업데이트 확인</translation>
    </message>
    <message>
        <source>You are up to date</source>
        <translation>최신 상태입니다</translation>
    </message>
    <message>
        <source>Glowsmith %1 is the newest version.</source>
        <translation>Glowsmith %1은(는) 최신 버전입니다.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
</context>
<context>
    <name>LWCheckUpdateWindow</name>
    <message>
        <source>Update</source>
        <translation>업데이트</translation>
    </message>
    <message>
        <source>A new version is available</source>
        <translation>새 버전이 있습니다</translation>
    </message>
    <message>
        <source>Glowsmith %1 (you have %2)</source>
        <translation>Glowsmith %1 (현재 %2)</translation>
    </message>
    <message>
        <source>New features</source>
        <translation>새로운 기능</translation>
    </message>
    <message>
        <source>Fixed problems</source>
        <translation>수정된 문제</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>나중에</translation>
    </message>
    <message>
        <source>Update now</source>
        <translation>지금 업데이트</translation>
    </message>
</context>
<context>
    <name>LWCheckUpdateWindowModel</name>
    <message>
        <source>The installer cannot be saved in the Lumeworks folder.</source>
        <translation>설치 프로그램을 Lumeworks 폴더에 저장할 수 없습니다.</translation>
    </message>
    <message>
        <source>The download could not be completed. Please try again later.</source>
        <translation>다운로드를 완료하지 못했습니다. 잠시 후 다시 시도하세요.</translation>
    </message>
    <message>
        <source>There is no verified installer to start.</source>
        <translation>시작할 수 있는 검증된 설치 프로그램이 없습니다.</translation>
    </message>
    <message>
        <source>The installer cannot be prepared.</source>
        <translation>설치 프로그램을 준비할 수 없습니다.</translation>
    </message>
    <message>
        <source>The installer could not be started.</source>
        <translation>설치 프로그램을 시작하지 못했습니다.</translation>
    </message>
    <message>
        <source>This update is not signed, so it cannot be trusted and is not offered for download.</source>
        <translation>이 업데이트는 서명되지 않아 신뢰할 수 없으므로 다운로드를 제공하지 않습니다.</translation>
    </message>
    <message>
        <source>This update carries a damaged signature, so it cannot be trusted and is not offered for download.</source>
        <translation>이 업데이트의 서명이 손상되어 신뢰할 수 없으므로 다운로드를 제공하지 않습니다.</translation>
    </message>
    <message>
        <source>This update would be downloaded over an unprotected connection (not https), so it is not offered for download.</source>
        <translation>이 업데이트는 보호되지 않은 연결(https 아님)로 다운로드되므로 다운로드를 제공하지 않습니다.</translation>
    </message>
    <message>
        <source>The downloaded installer&apos;s signature does not match this editor&apos;s key, so it was deleted and will not be started.</source>
        <translation>다운로드한 설치 프로그램의 서명이 이 편집기의 키와 맞지 않아 삭제했으며 실행하지 않습니다.</translation>
    </message>
</context>
<context>
    <name>LWCompressFilesWindow</name>
    <message>
        <source>Compressed file</source>
        <translation>압축 파일</translation>
    </message>
    <message>
        <source>No compression</source>
        <translation>압축 안 함</translation>
    </message>
    <message>
        <source>High quality</source>
        <translation>고화질</translation>
    </message>
    <message>
        <source>Medium quality</source>
        <translation>중간 화질</translation>
    </message>
    <message>
        <source>Low quality</source>
        <translation>저화질</translation>
    </message>
    <message>
        <source>Suggest to compress sequence files if special effect is over 5M</source>
        <translation>효과가 5MB를 넘으면 프레임 시퀀스 파일을 압축하는 것이 좋습니다</translation>
    </message>
    <message>
        <source>The project has no frame sequences.</source>
        <translation>프로젝트에 프레임 시퀀스가 없습니다.</translation>
    </message>
    <message>
        <source>No frames</source>
        <translation>프레임 없음</translation>
    </message>
    <message>
        <source>Frames</source>
        <translation>프레임 수</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>크기</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>화질</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>완료</translation>
    </message>
</context>
<context>
    <name>LWEffectNavigator</name>
    <message>
        <source>Effects</source>
        <translation>효과</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>추가</translation>
    </message>
    <message>
        <source>2D Sticker</source>
        <translation>2D 스티커</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>필터</translation>
    </message>
    <message>
        <source>Makeup V2</source>
        <translation>메이크업 V2</translation>
    </message>
    <message>
        <source>Eyebrow</source>
        <translation>눈썹</translation>
    </message>
    <message>
        <source>Mask</source>
        <translation>마스크</translation>
    </message>
    <message>
        <source>Eye</source>
        <translation>아이 메이크업</translation>
    </message>
    <message>
        <source>Pupil</source>
        <translation>눈동자</translation>
    </message>
    <message>
        <source>Lip V2</source>
        <translation>립 V2</translation>
    </message>
    <message>
        <source>HairColor</source>
        <translation>헤어 컬러</translation>
    </message>
    <message>
        <source>FacePick</source>
        <translation>인물 분리</translation>
    </message>
    <message>
        <source>Background Music</source>
        <translation>배경 음악</translation>
    </message>
</context>
<context>
    <name>LWEffectPackManager</name>
    <message>
        <source>The effect package could not be built.</source>
        <translation>효과 패키지를 만들지 못했습니다.</translation>
    </message>
    <message>
        <source>The package could not be written to %1.</source>
        <translation>패키지를 %1에 쓰지 못했습니다.</translation>
    </message>
    <message>
        <source>%1 holds no effect package (no config.json).</source>
        <translation>%1에 효과 패키지가 없습니다(config.json 없음).</translation>
    </message>
    <message>
        <source>The package %1 could not be read.</source>
        <translation>패키지 %1을(를) 읽지 못했습니다.</translation>
    </message>
    <message>
        <source>The package %1 is damaged or unsafe and was not imported.</source>
        <translation>패키지 %1이(가) 손상되었거나 안전하지 않아 가져오지 않았습니다.</translation>
    </message>
    <message>
        <source>The project could not be saved in %1. The files there are still those of the last save.</source>
        <translation>프로젝트를 %1에 저장하지 못했습니다. 그 위치의 파일은 마지막으로 저장한 상태 그대로입니다.</translation>
    </message>
    <message>
        <source>The project could not be saved in %1.</source>
        <translation>프로젝트를 %1에 저장하지 못했습니다.</translation>
    </message>
</context>
<context>
    <name>LWExportNotice</name>
    <message>
        <source>Exported to %1</source>
        <translation>%1(으)로 내보냈습니다</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>폴더에서 보기</translation>
    </message>
</context>
<context>
    <name>LWFaceIndex</name>
    <message>
        <source>Face 1</source>
        <translation>얼굴 1</translation>
    </message>
    <message>
        <source>Face 2</source>
        <translation>얼굴 2</translation>
    </message>
    <message>
        <source>Face 3</source>
        <translation>얼굴 3</translation>
    </message>
    <message>
        <source>Face 4</source>
        <translation>얼굴 4</translation>
    </message>
    <message>
        <source>Face 5</source>
        <translation>얼굴 5</translation>
    </message>
    <message>
        <source>Face 6</source>
        <translation>얼굴 6</translation>
    </message>
    <message>
        <source>All Faces</source>
        <translation>모든 얼굴</translation>
    </message>
    <message>
        <source>Customize</source>
        <translation>사용자 지정</translation>
    </message>
    <message>
        <source>Add face</source>
        <translation>얼굴 추가</translation>
    </message>
</context>
<context>
    <name>LWFaceMakeUpV2Model</name>
    <message>
        <source>Eyebrow</source>
        <translation>눈썹</translation>
    </message>
    <message>
        <source>Mask</source>
        <translation>마스크</translation>
    </message>
    <message>
        <source>Eye</source>
        <translation>아이 메이크업</translation>
    </message>
    <message>
        <source>Pupil</source>
        <translation>눈동자</translation>
    </message>
    <message>
        <source>Lip V2</source>
        <translation>립 V2</translation>
    </message>
    <message>
        <source>Add Effect</source>
        <translation>효과 추가</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>이름 바꾸기</translation>
    </message>
    <message>
        <source>Delete Effect</source>
        <translation>효과 삭제</translation>
    </message>
</context>
<context>
    <name>LWFaceMakeupV2FilterBase</name>
    <message>
        <source>Rename</source>
        <translation>이름 바꾸기</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
</context>
<context>
    <name>LWFeedBackModel</name>
    <message>
        <source>Choose a screenshot</source>
        <translation>스크린샷 선택</translation>
    </message>
    <message>
        <source>Images (*.png *.jpg *.jpeg)</source>
        <translation>이미지 (*.png *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>User feedback</source>
        <translation>사용자 피드백</translation>
    </message>
    <message>
        <source>Reply</source>
        <translation>답변</translation>
    </message>
    <message>
        <source>The effect package could not be made, so it cannot be attached.</source>
        <translation>효과 패키지를 만들 수 없어 첨부할 수 없습니다.</translation>
    </message>
    <message>
        <source>The effect package is larger than 5 MB and cannot be attached. Remove the tick to send your message without it.</source>
        <translation>효과 패키지가 5MB를 넘어 첨부할 수 없습니다. 체크를 해제하면 패키지 없이 보낼 수 있습니다.</translation>
    </message>
</context>
<context>
    <name>LWFeedbackRecordsPage</name>
    <message>
        <source>No feedback yet.</source>
        <translation>아직 피드백이 없습니다.</translation>
    </message>
    <message>
        <source>User feedback</source>
        <translation>사용자 피드백</translation>
    </message>
</context>
<context>
    <name>LWFeedbackSendPage</name>
    <message>
        <source>Please describe the problem in detail so we can better assist you(within 200 words)</source>
        <translation>더 잘 도와드릴 수 있도록 문제를 자세히 설명해 주세요(200자 이내)</translation>
    </message>
    <message>
        <source>Optional, for contact</source>
        <translation>선택 사항, 연락용</translation>
    </message>
    <message>
        <source>Sending your feedback...</source>
        <translation>피드백을 보내는 중…</translation>
    </message>
    <message>
        <source>Thank you! Your feedback was sent.</source>
        <translation>감사합니다! 피드백을 보냈습니다.</translation>
    </message>
    <message>
        <source>The feedback could not be sent. Please try again later.</source>
        <translation>피드백을 보내지 못했습니다. 잠시 후 다시 시도하세요.</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>연락처</translation>
    </message>
    <message>
        <source>No screenshot</source>
        <translation>스크린샷 없음</translation>
    </message>
    <message>
        <source>Add screenshot</source>
        <translation>스크린샷 추가</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>제거</translation>
    </message>
    <message>
        <source>Attach the current effect package</source>
        <translation>현재 효과 패키지 첨부</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>제출</translation>
    </message>
</context>
<context>
    <name>LWFeedbackWindow</name>
    <message>
        <source>Feedback</source>
        <translation>피드백</translation>
    </message>
    <message>
        <source>Tell us what went wrong or what you would like to see</source>
        <translation>문제점이나 원하는 기능을 알려 주세요</translation>
    </message>
    <message>
        <source>My feedback</source>
        <translation>내 피드백</translation>
    </message>
</context>
<context>
    <name>LWFilterModel</name>
    <message>
        <source>Rename</source>
        <translation>이름 바꾸기</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
</context>
<context>
    <name>LWHairColorFeature</name>
    <message>
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>이름 바꾸기</translation>
    </message>
</context>
<context>
    <name>LWHomeWindow</name>
    <message>
        <source>Home</source>
        <translation>홈</translation>
    </message>
    <message>
        <source>New project</source>
        <translation>새 프로젝트</translation>
    </message>
    <message>
        <source>Open project…</source>
        <translation>프로젝트 열기…</translation>
    </message>
    <message>
        <source>Templates</source>
        <translation>템플릿</translation>
    </message>
    <message>
        <source>Recent projects</source>
        <translation>최근 프로젝트</translation>
    </message>
    <message>
        <source>Online tutorial</source>
        <translation>온라인 튜토리얼</translation>
    </message>
    <message>
        <source>My effects</source>
        <translation>내 효과</translation>
    </message>
    <message>
        <source>Start from a template</source>
        <translation>템플릿으로 시작</translation>
    </message>
    <message>
        <source>Start with a new project; templates arrive with the next update.</source>
        <translation>새 프로젝트로 시작하세요. 템플릿은 다음 업데이트에서 제공됩니다.</translation>
    </message>
    <message>
        <source>Projects you save appear here</source>
        <translation>저장한 프로젝트가 여기에 표시됩니다</translation>
    </message>
    <message>
        <source>Open project</source>
        <translation>프로젝트 열기</translation>
    </message>
    <message>
        <source>Glowsmith project</source>
        <translation>Glowsmith 프로젝트</translation>
    </message>
    <message>
        <source>The Lumeworks project you want to open does not exist and may have been renamed or deleted.</source>
        <translation>열려는 Lumeworks 프로젝트가 없습니다. 이름이 바뀌었거나 삭제되었을 수 있습니다.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Resume last project?</source>
        <translation>마지막 프로젝트를 복원하시겠습니까?</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>복원</translation>
    </message>
    <message>
        <source>Cancle</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>LWImageFileInfo</name>
    <message>
        <source>%1 byte(s)</source>
        <translation>%1바이트</translation>
    </message>
</context>
<context>
    <name>LWImageWell</name>
    <message>
        <source>Drop images here</source>
        <translation>여기에 이미지를 놓으세요</translation>
    </message>
</context>
<context>
    <name>LWInspectorPanel</name>
    <message>
        <source>Parameter information</source>
        <translation>매개변수 정보</translation>
    </message>
    <message>
        <source>Select a feature or a resource to edit its parameters</source>
        <translation>효과나 리소스를 선택하면 매개변수를 편집할 수 있습니다</translation>
    </message>
</context>
<context>
    <name>LWLanguageChangeWindow</name>
    <message>
        <source>Language</source>
        <translation>언어</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
</context>
<context>
    <name>LWLoginBase</name>
    <message>
        <source>网络超时</source>
        <translation>네트워크 시간이 초과되었습니다</translation>
    </message>
    <message>
        <source>账号名或者密码错误</source>
        <translation>계정 이름 또는 비밀번호가 올바르지 않습니다</translation>
    </message>
    <message>
        <source>账号在其他客户端登陆</source>
        <translation>다른 클라이언트에서 이 계정으로 로그인했습니다</translation>
    </message>
</context>
<context>
    <name>LWLoginBridge</name>
    <message>
        <source>Upload effect</source>
        <translation>효과 업로드</translation>
    </message>
</context>
<context>
    <name>LWLoginWays</name>
    <message>
        <source>Account and password</source>
        <translation>계정과 비밀번호</translation>
    </message>
    <message>
        <source>Company sign-on</source>
        <translation>기업 통합 로그인</translation>
    </message>
    <message>
        <source>Phone number</source>
        <translation>휴대폰 번호</translation>
    </message>
    <message>
        <source>Last used</source>
        <translation>최근 사용</translation>
    </message>
</context>
<context>
    <name>LWMainMenuBar</name>
    <message>
        <source>File</source>
        <translation>파일</translation>
    </message>
    <message>
        <source>New</source>
        <translation>새로 만들기</translation>
    </message>
    <message>
        <source>New empty project</source>
        <translation>빈 프로젝트 만들기</translation>
    </message>
    <message>
        <source>Create a new project from the template</source>
        <translation>템플릿으로 만들기</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>열기</translation>
    </message>
    <message>
        <source>Open recently</source>
        <translation>최근 프로젝트 열기</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>다른 이름으로 저장</translation>
    </message>
    <message>
        <source>Export effect package</source>
        <translation>효과 패키지 내보내기</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>편집</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>실행 취소</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>다시 실행</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>모두 선택</translation>
    </message>
    <message>
        <source>Tool</source>
        <translation>도구</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>중국어</translation>
    </message>
    <message>
        <source>English</source>
        <translation>영어</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>일본어</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>한국어</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>도움말</translation>
    </message>
    <message>
        <source>Tutorial</source>
        <translation>튜토리얼</translation>
    </message>
    <message>
        <source>Check Updates</source>
        <translation>업데이트 확인</translation>
    </message>
    <message>
        <source>Onboarding flow</source>
        <translation>시작 가이드</translation>
    </message>
</context>
<context>
    <name>LWMainToolbar</name>
    <message>
        <source>Upload</source>
        <translation>업로드</translation>
    </message>
    <message>
        <source>Sync to Phone</source>
        <translation>휴대폰에 동기화</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>피드백</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>계정</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>로그인</translation>
    </message>
    <message>
        <source>Submit for review...</source>
        <translation>심사 요청...</translation>
    </message>
    <message>
        <source>Upload on the publishing site...</source>
        <translation>게시 사이트에서 업로드...</translation>
    </message>
</context>
<context>
    <name>LWMainWindow</name>
    <message>
        <source>Untitled</source>
        <translation>제목 없음</translation>
    </message>
    <message>
        <source>Do you save the project before exiting?</source>
        <translation>종료하기 전에 프로젝트를 저장하시겠습니까?</translation>
    </message>
    <message>
        <source>The Lumeworks project you want to open does not exist and may have been renamed or deleted.</source>
        <translation>열려는 Lumeworks 프로젝트가 없습니다. 이름이 바뀌었거나 삭제되었을 수 있습니다.</translation>
    </message>
    <message>
        <source>Please add an effect first</source>
        <translation>먼저 효과를 추가하세요</translation>
    </message>
    <message>
        <source>Open project</source>
        <translation>프로젝트 열기</translation>
    </message>
    <message>
        <source>Glowsmith project</source>
        <translation>Glowsmith 프로젝트</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>다른 이름으로 저장</translation>
    </message>
    <message>
        <source>Export effect package</source>
        <translation>효과 패키지 내보내기</translation>
    </message>
    <message>
        <source>Effect package</source>
        <translation>효과 패키지</translation>
    </message>
    <message>
        <source>Resume last project?</source>
        <translation>마지막 프로젝트를 복원하시겠습니까?</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>복원</translation>
    </message>
    <message>
        <source>Cancle</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Log out</source>
        <translation>로그아웃</translation>
    </message>
    <message>
        <source>Effects such as filters and leg deformations can only be effective one. Please remove unwanted filters.</source>
        <translation>필터, 다리 변형 같은 효과는 하나만 적용됩니다. 불필요한 필터를 삭제하세요.</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Whether to save the current project</source>
        <translation>현재 프로젝트를 저장하시겠습니까?</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>Not Save</source>
        <translation>저장 안 함</translation>
    </message>
    <message>
        <source>The account will log in on other machines and will exit.</source>
        <translation>다른 기기에서 이 계정으로 로그인하여 로그아웃됩니다.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Signed in with: %1</source>
        <translation>로그인 방식: %1</translation>
    </message>
</context>
<context>
    <name>LWMaterialsWindow</name>
    <message>
        <source>Assest library</source>
        <translation>소재 라이브러리</translation>
    </message>
    <message>
        <source>Click a material to add it to the project&apos;s resources</source>
        <translation>소재를 클릭하면 프로젝트 리소스에 추가됩니다</translation>
    </message>
    <message>
        <source>No materials to show yet.</source>
        <translation>아직 표시할 소재가 없습니다.</translation>
    </message>
    <message>
        <source>Added · %1</source>
        <translation>추가됨 · %1</translation>
    </message>
    <message>
        <source>Not added · %1</source>
        <translation>추가 안 됨 · %1</translation>
    </message>
</context>
<context>
    <name>LWMattingFeatureModel</name>
    <message>
        <source>Rename</source>
        <translation>이름 바꾸기</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
</context>
<context>
    <name>LWMessageBox</name>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
</context>
<context>
    <name>LWNaviTreeView</name>
    <message>
        <source>Nothing here yet</source>
        <translation>아직 항목이 없습니다</translation>
    </message>
</context>
<context>
    <name>LWNormalLoginWindow</name>
    <message>
        <source>Sign in</source>
        <translation>로그인</translation>
    </message>
    <message>
        <source>The sign-in did not succeed. Please try again.</source>
        <translation>로그인하지 못했습니다. 다시 시도하세요.</translation>
    </message>
    <message>
        <source>Sign in to Glowsmith</source>
        <translation>Glowsmith에 로그인</translation>
    </message>
    <message>
        <source>Use your publishing account to upload effects</source>
        <translation>게시용 계정으로 효과를 업로드하세요</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>계정</translation>
    </message>
    <message>
        <source>Account name</source>
        <translation>계정 이름</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>비밀번호</translation>
    </message>
    <message>
        <source>Remember me on this computer</source>
        <translation>이 컴퓨터에서 로그인 정보 기억</translation>
    </message>
    <message>
        <source>Signing in...</source>
        <translation>로그인하는 중…</translation>
    </message>
    <message>
        <source>Your sign-in is checked again every few minutes.</source>
        <translation>로그인 상태는 몇 분마다 다시 확인됩니다.</translation>
    </message>
</context>
<context>
    <name>LWOnboardingTour</name>
    <message>
        <source>Add effects</source>
        <translation>효과 추가</translation>
    </message>
    <message>
        <source>Use + in the effect list to add stickers, makeup, filters, hair colour or person cut-out.</source>
        <translation>효과 목록의 +를 눌러 스티커, 메이크업, 필터, 헤어 컬러, 인물 분리를 추가하세요.</translation>
    </message>
    <message>
        <source>Place and tune</source>
        <translation>배치 및 조정</translation>
    </message>
    <message>
        <source>Select an effect to place it on the face in the middle and tune it on the right.</source>
        <translation>효과를 선택하면 가운데 얼굴에 배치하고 오른쪽에서 조정할 수 있습니다.</translation>
    </message>
    <message>
        <source>Try and share</source>
        <translation>테스트 및 공유</translation>
    </message>
    <message>
        <source>Sync to Phone previews the effect on a phone; Upload sends it for review.</source>
        <translation>&apos;휴대폰에 동기화&apos;로 휴대폰에서 미리 보고, &apos;업로드&apos;로 심사를 요청합니다.</translation>
    </message>
    <message>
        <source>Click to pass</source>
        <translation>건너뛰기</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>다음</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>완료</translation>
    </message>
</context>
<context>
    <name>LWPackageSizeBadge</name>
    <message>
        <source>Package %1 · over 5 MB</source>
        <translation>패키지 %1 · 5MB 초과</translation>
    </message>
    <message>
        <source>Package %1</source>
        <translation>패키지 %1</translation>
    </message>
    <message>
        <source>Size of the exported effect package. Packages over 5 MB cannot be published.</source>
        <translation>내보낼 효과 패키지의 크기입니다. 5MB를 넘는 패키지는 게시할 수 없습니다.</translation>
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
        <translation>PNG 확인</translation>
    </message>
    <message>
        <source>Please use 8 bit PNG</source>
        <translation>8비트 PNG를 사용하세요</translation>
    </message>
    <message>
        <source>ok</source>
        <translation>확인</translation>
    </message>
</context>
<context>
    <name>LWPreviewFrame</name>
    <message>
        <source>Drawing the effect…</source>
        <translation>효과를 그리는 중…</translation>
    </message>
</context>
<context>
    <name>LWPreviewPane</name>
    <message>
        <source>Preview window</source>
        <translation>미리 보기</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>일시 정지</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>재생</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>처음부터</translation>
    </message>
    <message>
        <source>%1 fps</source>
        <translation>%1 fps</translation>
    </message>
    <message>
        <source>paused</source>
        <translation>일시 정지됨</translation>
    </message>
    <message>
        <source>%1 ms a frame</source>
        <translation>프레임당 %1ms</translation>
    </message>
    <message>
        <source>Face</source>
        <translation>얼굴</translation>
    </message>
    <message>
        <source>Human</source>
        <translation>사람</translation>
    </message>
    <message>
        <source>Cat</source>
        <translation>고양이</translation>
    </message>
    <message>
        <source>Try a face action</source>
        <translation>얼굴 동작 해 보기</translation>
    </message>
    <message>
        <source>Unmute</source>
        <translation>음소거 해제</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>음소거</translation>
    </message>
    <message>
        <source>Draw on</source>
        <translation>그릴 대상</translation>
    </message>
    <message>
        <source>Standard face</source>
        <translation>표준 얼굴</translation>
    </message>
    <message>
        <source>Photo…</source>
        <translation>사진…</translation>
    </message>
    <message>
        <source>Video…</source>
        <translation>동영상…</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>카메라</translation>
    </message>
    <message>
        <source>Follow</source>
        <translation>추적</translation>
    </message>
    <message>
        <source>Face %1</source>
        <translation>얼굴 %1</translation>
    </message>
    <message>
        <source>Use &quot;Sync to Phone&quot; to try the effect on the phone&apos;s camera.</source>
        <translation>&apos;휴대폰에 동기화&apos;로 휴대폰 카메라에서 효과를 사용해 보세요.</translation>
    </message>
</context>
<context>
    <name>LWPreviewSource</name>
    <message>
        <source>The photo %1 cannot be read.</source>
        <translation>사진 %1을(를) 읽을 수 없습니다.</translation>
    </message>
    <message>
        <source>The video %1 cannot be played: %2</source>
        <translation>동영상 %1을(를) 재생할 수 없습니다: %2</translation>
    </message>
    <message>
        <source>No camera</source>
        <translation>카메라 없음</translation>
    </message>
    <message>
        <source>The camera cannot be used: %1</source>
        <translation>카메라를 사용할 수 없습니다: %1</translation>
    </message>
</context>
<context>
    <name>LWPreviewViewModel</name>
    <message>
        <source>Hair colour and matting need masks a face tracker cannot give: they show on the standard face only.</source>
        <translation>헤어 컬러와 매팅은 얼굴 추적으로 얻을 수 없는 마스크가 필요하여 표준 얼굴에서만 표시됩니다.</translation>
    </message>
    <message>
        <source>A photo to preview the effect on</source>
        <translation>효과를 미리 볼 사진</translation>
    </message>
    <message>
        <source>Photos (*.png *.jpg *.jpeg *.bmp *.webp)</source>
        <translation>사진 (*.png *.jpg *.jpeg *.bmp *.webp)</translation>
    </message>
    <message>
        <source>A video to preview the effect on</source>
        <translation>효과를 미리 볼 동영상</translation>
    </message>
    <message>
        <source>Videos (*.mp4 *.mkv *.webm *.avi *.mov *.ogv)</source>
        <translation>동영상 (*.mp4 *.mkv *.webm *.avi *.mov *.ogv)</translation>
    </message>
    <message>
        <source>Loading the face model…</source>
        <translation>얼굴 모델을 불러오는 중…</translation>
    </message>
    <message>
        <source>No face found</source>
        <translation>얼굴을 찾을 수 없음</translation>
    </message>
</context>
<context>
    <name>LWProp2DTextureButtonViewModel</name>
    <message>
        <source>image format error</source>
        <translation>이미지 형식 오류</translation>
    </message>
    <message>
        <source>Size of the imported image has to be</source>
        <translation>이미지 크기를 다음에 맞춰 주세요: </translation>
    </message>
</context>
<context>
    <name>LWPropButtonView</name>
    <message>
        <source>On</source>
        <translation>켜기</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>끄기</translation>
    </message>
</context>
<context>
    <name>LWPropImageButton</name>
    <message>
        <source>No image</source>
        <translation>이미지 없음</translation>
    </message>
</context>
<context>
    <name>LWPropImageButtonViewModel</name>
    <message>
        <source>Choose file</source>
        <translation>파일 선택</translation>
    </message>
    <message>
        <source>Image files</source>
        <translation>이미지 파일</translation>
    </message>
    <message>
        <source>Image unable to parse</source>
        <translation>이미지를 분석할 수 없습니다</translation>
    </message>
</context>
<context>
    <name>LWPropImageViewModel</name>
    <message>
        <source>Image unable to parse</source>
        <translation>이미지를 분석할 수 없습니다</translation>
    </message>
</context>
<context>
    <name>LWPropOpenPanelView</name>
    <message>
        <source>Edit…</source>
        <translation>편집…</translation>
    </message>
</context>
<context>
    <name>LWPropOptionViewModel</name>
    <message>
        <source>choose music file</source>
        <translation>음악 파일 선택</translation>
    </message>
    <message>
        <source>music files</source>
        <translation>음악 파일</translation>
    </message>
    <message>
        <source>choose texture folder</source>
        <translation>텍스처 폴더 선택</translation>
    </message>
    <message>
        <source>Image files</source>
        <translation>이미지 파일</translation>
    </message>
    <message>
        <source>Choose file</source>
        <translation>파일 선택</translation>
    </message>
    <message>
        <source>The picture does not fit here.</source>
        <translation>이 이미지는 여기에 맞지 않습니다.</translation>
    </message>
</context>
<context>
    <name>LWPropTextureButtonView</name>
    <message>
        <source>frame(s)</source>
        <translation>프레임</translation>
    </message>
</context>
<context>
    <name>LWPublicLoginWindow</name>
    <message>
        <source>Sign in</source>
        <translation>로그인</translation>
    </message>
    <message>
        <source>Signed in. Getting things ready...</source>
        <translation>로그인했습니다. 준비하는 중…</translation>
    </message>
</context>
<context>
    <name>LWResourceComponentView</name>
    <message>
        <source>Rename</source>
        <translation>이름 바꾸기</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
</context>
<context>
    <name>LWResourceGroupsView</name>
    <message>
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
</context>
<context>
    <name>LWResourceImageCheck</name>
    <message>
        <source>Size should be 1200 x 1200</source>
        <translation>크기는 1200 x 1200이어야 합니다</translation>
    </message>
    <message>
        <source>Size should be 1280 x 1280</source>
        <translation>크기는 1280 x 1280이어야 합니다</translation>
    </message>
    <message>
        <source>Size should under 540 x 960</source>
        <translation>크기는 540 x 960 이하여야 합니다</translation>
    </message>
    <message>
        <source>Size should under 1000 x 1000</source>
        <translation>크기는 1000 x 1000 이하여야 합니다</translation>
    </message>
    <message>
        <source>Size should be 174 x 89</source>
        <translation>크기는 174 x 89이어야 합니다</translation>
    </message>
    <message>
        <source>Size should be 512 x 512</source>
        <translation>크기는 512 x 512이어야 합니다</translation>
    </message>
    <message>
        <source>Size should be 150 x 150</source>
        <translation>크기는 150 x 150이어야 합니다</translation>
    </message>
    <message>
        <source>Invalid resources</source>
        <translation>잘못된 리소스</translation>
    </message>
</context>
<context>
    <name>LWResourceImportService</name>
    <message>
        <source>%1 is %2 x %3 pixels. The camera uses images of at most %4 pixels: please scale it down before importing it.</source>
        <translation>%1의 크기는 %2 x %3픽셀입니다. 카메라는 최대 %4픽셀 이미지를 사용합니다. 줄인 다음 가져오세요.</translation>
    </message>
    <message>
        <source>Please use 8 bit PNG</source>
        <translation>8비트 PNG를 사용하세요</translation>
    </message>
</context>
<context>
    <name>LWResourceManager</name>
    <message>
        <source>Resource unqualified</source>
        <translation>리소스가 요구 사항에 맞지 않습니다</translation>
    </message>
</context>
<context>
    <name>LWResourceNavigator</name>
    <message>
        <source>Resources</source>
        <translation>리소스</translation>
    </message>
    <message>
        <source>Assest library</source>
        <translation>소재 라이브러리</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>가져오기</translation>
    </message>
    <message>
        <source>Folder with groups…</source>
        <translation>그룹이 있는 폴더…</translation>
    </message>
    <message>
        <source>Import folder</source>
        <translation>폴더 가져오기</translation>
    </message>
    <message>
        <source>Import File</source>
        <translation>파일 가져오기</translation>
    </message>
    <message>
        <source>Import GIF</source>
        <translation>GIF 가져오기</translation>
    </message>
    <message>
        <source>Import Texture Frames</source>
        <translation>시퀀스 프레임 가져오기</translation>
    </message>
    <message>
        <source>Import Texture Folder</source>
        <translation>텍스처 폴더 가져오기</translation>
    </message>
    <message>
        <source>Import Music</source>
        <translation>음악 가져오기</translation>
    </message>
    <message>
        <source>New Group</source>
        <translation>새 그룹</translation>
    </message>
    <message>
        <source>Image files</source>
        <translation>이미지 파일</translation>
    </message>
    <message>
        <source>choose music file</source>
        <translation>음악 파일 선택</translation>
    </message>
    <message>
        <source>music files</source>
        <translation>음악 파일</translation>
    </message>
</context>
<context>
    <name>LWSSOLoginWindow</name>
    <message>
        <source>Company sign-on</source>
        <translation>기업 계정 로그인</translation>
    </message>
</context>
<context>
    <name>LWSaveGuard</name>
    <message>
        <source>Whether to save the current project</source>
        <translation>현재 프로젝트를 저장하시겠습니까?</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>Cancle</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Not Save</source>
        <translation>저장 안 함</translation>
    </message>
</context>
<context>
    <name>LWSceneArea</name>
    <message>
        <source>Add an effect with the + button, then select it to place it on the face</source>
        <translation>+ 버튼으로 효과를 추가한 뒤 선택하여 얼굴에 배치하세요</translation>
    </message>
    <message>
        <source>Create or open a project to start</source>
        <translation>프로젝트를 만들거나 열어 시작하세요</translation>
    </message>
</context>
<context>
    <name>LWSceneViewport</name>
    <message>
        <source>Reset View</source>
        <translation>보기 초기화</translation>
    </message>
</context>
<context>
    <name>LWSecVarListViewModel</name>
    <message>
        <source>Add</source>
        <translation>추가</translation>
    </message>
</context>
<context>
    <name>LWTemplateCatalogue</name>
    <message>
        <source>2D Sticker</source>
        <translation>2D 스티커</translation>
    </message>
    <message>
        <source>White Cat</source>
        <translation>하얀 고양이</translation>
    </message>
    <message>
        <source>FileMovie</source>
        <translation>필름 무비</translation>
    </message>
    <message>
        <source>I&apos;m DJ</source>
        <translation>나는 DJ</translation>
    </message>
    <message>
        <source>Cat And Bear</source>
        <translation>고양이와 곰</translation>
    </message>
    <message>
        <source>FaceMakeUp</source>
        <translation>메이크업</translation>
    </message>
    <message>
        <source>Orange eye shadow and tear mole</source>
        <translation>오렌지 아이섀도와 눈물점</translation>
    </message>
    <message>
        <source>Ex Machina</source>
        <translation>엑스 마키나</translation>
    </message>
    <message>
        <source>Cut out human image</source>
        <translation>인물 분리</translation>
    </message>
    <message>
        <source>Capsule</source>
        <translation>캡슐</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>필터</translation>
    </message>
    <message>
        <source>Sweet Filter</source>
        <translation>스위트 필터</translation>
    </message>
</context>
<context>
    <name>LWTutorialDialog</name>
    <message>
        <source>Do not remind again</source>
        <translation>다시 알리지 않음</translation>
    </message>
    <message>
        <source>Check out tutorial</source>
        <translation>튜토리얼 보기</translation>
    </message>
    <message>
        <source>Download template</source>
        <translation>템플릿 다운로드</translation>
    </message>
</context>
<context>
    <name>LWUpdateAutoCheck</name>
    <message>
        <source>Check for updates automatically</source>
        <translation>자동으로 업데이트 확인</translation>
    </message>
</context>
<context>
    <name>LWUploadDraftEffectModel</name>
    <message>
        <source>Uploading...</source>
        <translation>업로드하는 중…</translation>
    </message>
    <message>
        <source>Failed to get special effect file</source>
        <translation>효과 파일을 가져오지 못했습니다</translation>
    </message>
    <message>
        <source>The effect file is over 5M and cannot be uploaded.</source>
        <translation>효과 파일이 5MB를 넘어 업로드할 수 없습니다.</translation>
    </message>
    <message>
        <source>Effect file upload failed, please try again</source>
        <translation>효과 파일을 업로드하지 못했습니다. 다시 시도하세요</translation>
    </message>
</context>
<context>
    <name>LWUploadDraftPopup</name>
    <message>
        <source>Click to close the QR code</source>
        <translation>클릭하여 QR 코드 닫기</translation>
    </message>
    <message>
        <source>Click to expand QR code</source>
        <translation>클릭하여 QR 코드 펼치기</translation>
    </message>
    <message>
        <source>Upload a draft first</source>
        <translation>먼저 초안을 업로드하세요</translation>
    </message>
</context>
<context>
    <name>LWUploadDraftWindow</name>
    <message>
        <source>Preview on phone</source>
        <translation>휴대폰에서 미리 보기</translation>
    </message>
    <message>
        <source>Scan the code with the phone app to preview the effect.</source>
        <translation>휴대폰 앱으로 코드를 스캔하면 효과를 미리 볼 수 있습니다.</translation>
    </message>
    <message>
        <source>Uploads the effect as a draft</source>
        <translation>효과를 초안으로 업로드합니다</translation>
    </message>
    <message>
        <source>No code yet</source>
        <translation>아직 코드가 없습니다</translation>
    </message>
    <message>
        <source>Uploading...</source>
        <translation>업로드하는 중…</translation>
    </message>
    <message>
        <source>Upload again</source>
        <translation>다시 업로드</translation>
    </message>
</context>
<context>
    <name>LWUploadEffectBase</name>
    <message>
        <source>网络异常，请稍后上传</source>
        <translation>네트워크 오류가 발생했습니다. 잠시 후 업로드하세요</translation>
    </message>
</context>
<context>
    <name>LWUploadEffectChoiceModel</name>
    <message>
        <source>Not reviewed</source>
        <translation>심사 전</translation>
    </message>
    <message>
        <source>In review</source>
        <translation>심사 중</translation>
    </message>
    <message>
        <source>Disapproved</source>
        <translation>반려됨</translation>
    </message>
    <message>
        <source>Approved</source>
        <translation>승인됨</translation>
    </message>
    <message>
        <source>Launched</source>
        <translation>게시됨</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>알 수 없음</translation>
    </message>
    <message>
        <source>Your earlier effects could not be loaded.</source>
        <translation>이전 효과를 불러오지 못했습니다.</translation>
    </message>
</context>
<context>
    <name>LWUploadEffectChoiceWindow</name>
    <message>
        <source>1 effect</source>
        <translation>효과 1개</translation>
    </message>
    <message>
        <source>%1 effects</source>
        <translation>효과 %1개</translation>
    </message>
    <message>
        <source>No earlier effects yet.</source>
        <translation>아직 이전 효과가 없습니다.</translation>
    </message>
    <message>
        <source>Submit as new effect</source>
        <translation>새 효과로 제출</translation>
    </message>
    <message>
        <source>Replace selected</source>
        <translation>선택한 효과 대체</translation>
    </message>
    <message>
        <source>Submit for review</source>
        <translation>심사 요청</translation>
    </message>
    <message>
        <source>New effect or an update?</source>
        <translation>새 효과인가요, 업데이트인가요?</translation>
    </message>
</context>
<context>
    <name>LWUploadEffectFile</name>
    <message>
        <source>The effect package is larger than 5 MB.</source>
        <translation>효과 패키지가 5MB를 넘습니다.</translation>
    </message>
</context>
<context>
    <name>LWUploadEffectModel</name>
    <message>
        <source>特效文件生成失败，无法上传</source>
        <translation>효과 파일을 생성하지 못해 업로드할 수 없습니다</translation>
    </message>
    <message>
        <source>The icon file cannot be opened.</source>
        <translation>아이콘 파일을 열 수 없습니다.</translation>
    </message>
    <message>
        <source>The icon must be a PNG file of at most 40 kB.</source>
        <translation>아이콘은 40kB 이하의 PNG 파일이어야 합니다.</translation>
    </message>
    <message>
        <source>The icon upload timed out, please try again.</source>
        <translation>아이콘 업로드 시간이 초과되었습니다. 다시 시도하세요.</translation>
    </message>
    <message>
        <source>The icon upload failed, please try again.</source>
        <translation>아이콘을 업로드하지 못했습니다. 다시 시도하세요.</translation>
    </message>
    <message>
        <source>Choose an icon</source>
        <translation>아이콘 선택</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>PNG 이미지 (*.png)</translation>
    </message>
    <message>
        <source>请输入特效名称</source>
        <translation>효과 이름을 입력하세요</translation>
    </message>
    <message>
        <source>请输入特效介绍</source>
        <translation>효과 소개를 입력하세요</translation>
    </message>
    <message>
        <source>特效文件超过5M，无法上传</source>
        <translation>효과 파일이 5MB를 넘어 업로드할 수 없습니다</translation>
    </message>
    <message>
        <source>获取特效文件失败</source>
        <translation>효과 파일을 가져오지 못했습니다</translation>
    </message>
    <message>
        <source>上传成功</source>
        <translation>업로드했습니다</translation>
    </message>
    <message>
        <source>特效文件上传失败，请重试</source>
        <translation>효과 파일을 업로드하지 못했습니다. 다시 시도하세요</translation>
    </message>
</context>
<context>
    <name>LWUploadEffectWindow</name>
    <message>
        <source>Submit effect</source>
        <translation>효과 제출</translation>
    </message>
    <message>
        <source>No hint</source>
        <translation>안내 없음</translation>
    </message>
    <message>
        <source>Open your mouth</source>
        <translation>입을 벌리세요</translation>
    </message>
    <message>
        <source>Blink your eyes</source>
        <translation>눈을 깜빡이세요</translation>
    </message>
    <message>
        <source>Raise your eyebrows</source>
        <translation>눈썹을 올리세요</translation>
    </message>
    <message>
        <source>Nod your head</source>
        <translation>고개를 끄덕이세요</translation>
    </message>
    <message>
        <source>Show your palm</source>
        <translation>손바닥을 보여 주세요</translation>
    </message>
    <message>
        <source>Icon uploaded.</source>
        <translation>아이콘을 업로드했습니다.</translation>
    </message>
    <message>
        <source>Upload cancelled.</source>
        <translation>업로드를 취소했습니다.</translation>
    </message>
    <message>
        <source>Package ready: %1</source>
        <translation>패키지 준비 완료: %1</translation>
    </message>
    <message>
        <source>Preparing the effect package...</source>
        <translation>효과 패키지를 준비하는 중…</translation>
    </message>
    <message>
        <source>Change icon</source>
        <translation>아이콘 변경</translation>
    </message>
    <message>
        <source>PNG, 162 × 162 pixels, at most 40 kB</source>
        <translation>PNG, 162 × 162픽셀, 최대 40kB</translation>
    </message>
    <message>
        <source>Effect name</source>
        <translation>효과 이름</translation>
    </message>
    <message>
        <source>What should the effect be called?</source>
        <translation>효과 이름을 입력하세요</translation>
    </message>
    <message>
        <source>Introduction</source>
        <translation>소개</translation>
    </message>
    <message>
        <source>Tell people what the effect does</source>
        <translation>어떤 효과인지 소개해 주세요</translation>
    </message>
    <message>
        <source>Hint shown to the person in front of the camera</source>
        <translation>카메라 앞 사람에게 보여 줄 안내</translation>
    </message>
    <message>
        <source>Replace an earlier effect</source>
        <translation>이전 효과 대체</translation>
    </message>
    <message>
        <source>Cancel upload</source>
        <translation>업로드 취소</translation>
    </message>
    <message>
        <source>Submit for review</source>
        <translation>심사 요청</translation>
    </message>
    <message>
        <source>Uploading...</source>
        <translation>업로드하는 중…</translation>
    </message>
    <message>
        <source>Update “%1”</source>
        <translation>“%1” 업데이트</translation>
    </message>
    <message>
        <source>Submit a new effect for review</source>
        <translation>새 효과 심사 요청</translation>
    </message>
    <message>
        <source>Choose another effect</source>
        <translation>다른 효과 선택</translation>
    </message>
</context>
<context>
    <name>LWWaitingCover</name>
    <message>
        <source>Loading...</source>
        <translation>불러오는 중…</translation>
    </message>
</context>
</TS>
