; SPDX-License-Identifier: GPL-3.0-or-later
; The Windows installer of the editor: a per-user install that needs no
; administrator, into the user's own program folder, with a Start-menu entry,
; the .k5d file type and an uninstaller that takes all of it away again.
; scripts/build-windows.sh runs makensis with:
;   VERSION         the program version ("2.0"), FILE_VERSION in four parts
;   STAGE           the installed folder to pack (cmake --install)
;   UNINSTALL_LIST  the Delete and RMDir lines for exactly STAGE's files
;   ICON            the editor's .ico
;   OUTFILE         the installer to write
; A 64-bit installer for 64-bit programs: it also runs where only 64-bit
; programs can (Wine without its 32-bit part).
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user

!define PRODUCT "Редактор каналов K-510"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\k510-editor"
!define FILE_TYPE "K510Editor.Database"
!define SHORTCUT "$SMPROGRAMS\${PRODUCT}.lnk"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\k510-editor"
; An update goes where the last install went.
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
ShowInstDetails show
ShowUninstDetails show

VIProductVersion "${FILE_VERSION}"
VIAddVersionKey /LANG=1049 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1049 "FileDescription" "Установка: ${PRODUCT}"
VIAddVersionKey /LANG=1049 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1049 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1049 "LegalCopyright" "GPL-3.0-or-later"

!include "MUI2.nsh"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\k510-editor.exe"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${STAGE}\LICENSE.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Russian"

; Explorer shows new file types and icons only once told.
!macro RefreshExplorer
    System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
!macroend

Section
    SetShellVarContext current
    SetOutPath "$INSTDIR"
    File /r "${STAGE}\*"
    WriteUninstaller "$INSTDIR\uninstall.exe"

    CreateShortcut "${SHORTCUT}" "$INSTDIR\k510-editor.exe" "" "$INSTDIR\k510-editor.exe" 0

    WriteRegStr HKCU "Software\Classes\.k5d" "" "${FILE_TYPE}"
    WriteRegStr HKCU "Software\Classes\${FILE_TYPE}" "" "База каналов K-510"
    WriteRegStr HKCU "Software\Classes\${FILE_TYPE}\DefaultIcon" "" "$INSTDIR\k510-editor.exe,0"
    WriteRegStr HKCU "Software\Classes\${FILE_TYPE}\shell\open\command" "" '"$INSTDIR\k510-editor.exe" "%1"'

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\k510-editor.exe,0"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
    !insertmacro RefreshExplorer
SectionEnd

Section "Uninstall"
    SetShellVarContext current
    ; Only the files this version installed, so that a folder chosen by the
    ; user loses nothing else.
    !include "${UNINSTALL_LIST}"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"

    Delete "${SHORTCUT}"

    ; The file type, unless another program has taken .k5d over since.
    ReadRegStr $0 HKCU "Software\Classes\.k5d" ""
    StrCmp $0 "${FILE_TYPE}" 0 +2
        DeleteRegKey HKCU "Software\Classes\.k5d"
    DeleteRegKey HKCU "Software\Classes\${FILE_TYPE}"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"

    ; The settings the editor kept for this user (port, speed, recent files).
    Delete "$APPDATA\k510\k510.ini"
    Delete "$APPDATA\k510\k510-editor.ini"
    RMDir "$APPDATA\k510"
    !insertmacro RefreshExplorer
SectionEnd
