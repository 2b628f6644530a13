; The TesmoraGL installer. tools/make-dist compiles it:
;   makensis -DEXE=TesmoraGL.exe -DTEXTS=folder -DOUTFILE=setup.exe [-DAMD64] TesmoraGL.nsi
; EXE is the program to install, TEXTS the folder of README.txt, LICENSE.txt and
; WHATSNEW.txt. The shipped installer is the x86 ANSI one, which runs on Windows 95 to 2000;
; AMD64 builds the same installer for the x86_64 build (this machine's tests, which cannot
; run 32-bit programs). The version, publisher and home page come from
; src/base/ReleaseInfo.h (ReleaseInfo.nsh).
;
; Options: /S silent; /AUTORUN also starts the program with Windows (when silent).
; The uninstaller asks before it removes Games.CFG, its copies, the log and the restore
; journal; silent, it keeps them unless /REMOVEPROFILES is given.
;
; Both stop while the program runs (RunningProgram.nsh): they ask to close it, and silent
; they change nothing and end with exit code 2. The uninstaller also looks for a restore of
; driver settings still pending (PendingRestore.nsh).
!ifndef EXE | TEXTS | OUTFILE
  !error "give -DEXE=..., -DTEXTS=... and -DOUTFILE=..."
!endif

!ifdef AMD64
  Unicode true
  Target amd64-unicode
  !define PROGRAMS_FOLDER "$PROGRAMFILES64"
!else
  Unicode false
  Target x86-ansi
  !define PROGRAMS_FOLDER "$PROGRAMFILES"
!endif

!include "FileFunc.nsh"
!include "LogicLib.nsh"
!include "Sections.nsh"
!include "MUI2.nsh"
!include "ReleaseInfo.nsh"
!include "RunningProgram.nsh"
!include "PendingRestore.nsh"

!define PRODUCT "TesmoraGL"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
; The value the options dialog writes: the quoted program path, then the switch.
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define MENU_FOLDER "$SMPROGRAMS\${PRODUCT}"
!define GUIDE_LINK "${PRODUCT} User's Guide.lnk"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "${PROGRAMS_FOLDER}\${PRODUCT}"
RequestExecutionLevel admin
SetCompressor /SOLID lzma
ShowInstDetails show
ShowUninstDetails show

; The setup's own Version tab.
VIProductVersion "${VERSION_QUAD}"
VIAddVersionKey "ProductName" "${PRODUCT_TITLE}"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "LegalCopyright" "Copyright (C) ${PUBLISHER}"
VIAddVersionKey "FileDescription" "${PRODUCT_TITLE} Setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"

!insertmacro MUI_PAGE_LICENSE "${TEXTS}\LICENSE.txt"
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\TesmoraGL.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Start ${PRODUCT_TITLE}"
!define MUI_FINISHPAGE_SHOWREADME "$INSTDIR\README.txt"
!define MUI_FINISHPAGE_SHOWREADME_TEXT "Show the user's guide"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

!insertmacro DEFINE_CLOSE_RUNNING_PROGRAM ""
!insertmacro DEFINE_CLOSE_RUNNING_PROGRAM "un."

Section "${PRODUCT} (required)" SecProgram
  SectionIn RO
  ; Before the first file: a running exe cannot be replaced.
  Call CloseRunningProgram
  SetOutPath "$INSTDIR"
  File "/oname=TesmoraGL.exe" "${EXE}"
  File "${TEXTS}\README.txt"
  File "${TEXTS}\LICENSE.txt"
  File "${TEXTS}\WHATSNEW.txt"
  WriteUninstaller "$INSTDIR\Uninstall.exe"

  CreateDirectory "${MENU_FOLDER}"
  CreateShortCut "${MENU_FOLDER}\${PRODUCT}.lnk" "$INSTDIR\TesmoraGL.exe"
  CreateShortCut "${MENU_FOLDER}\${GUIDE_LINK}" "$INSTDIR\README.txt"
  CreateShortCut "${MENU_FOLDER}\Uninstall ${PRODUCT}.lnk" "$INSTDIR\Uninstall.exe"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "URLInfoAbout" "${HOME_PAGE}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\TesmoraGL.exe"
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section /o "Start with Windows" SecAutorun
  WriteRegStr HKLM "${RUN_KEY}" "${PRODUCT}" '"$INSTDIR\TesmoraGL.exe" /minimized'
SectionEnd

Function .onInit
  !ifdef AMD64
    SetRegView 64
  !endif
  ; Start-menu entries for every user where Windows has them (NT); Windows 9x has one menu.
  SetShellVarContext all
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/AUTORUN" $1
  ${IfNot} ${Errors}
    !insertmacro SelectSection ${SecAutorun}
  ${EndIf}
FunctionEnd

Function un.onInit
  !ifdef AMD64
    SetRegView 64
  !endif
  SetShellVarContext all
FunctionEnd

; The user's own files: the game profiles, the copies kept of them, the program's side
; files of a replace, the log, and the restore journal with its side files unless a
; pending restore keeps it.
Function un.RemoveUserFiles
  Delete "$INSTDIR\Games.CFG"
  Delete "$INSTDIR\Games.CFG.TesmoraGL-new"
  Delete "$INSTDIR\Games.CFG.TesmoraGL-old"
  Delete "$INSTDIR\Games.CFG.1"
  Delete "$INSTDIR\Games.CFG.2"
  Delete "$INSTDIR\Games.CFG.3"
  Delete "$INSTDIR\Games.CFG.4"
  Delete "$INSTDIR\Games.CFG.5"
  Delete "$INSTDIR\Games.CFG.6"
  Delete "$INSTDIR\Games.CFG.7"
  Delete "$INSTDIR\Games.CFG.8"
  Delete "$INSTDIR\Games.CFG.9"
  Delete "$INSTDIR\TesmoraGL.Log"
  Delete "$INSTDIR\${JOURNAL_DAMAGED}"
  ${If} $KeepJournal = 0
    Delete "$INSTDIR\${JOURNAL}"
    Delete "$INSTDIR\${JOURNAL_NEW}"
    Delete "$INSTDIR\${JOURNAL_OLD}"
  ${EndIf}
FunctionEnd

Section "Uninstall"
  ; Before anything goes: a running exe cannot be removed, and the journal is the program's.
  Call un.CloseRunningProgram
  Call un.SettlePendingRestore

  Delete "$INSTDIR\TesmoraGL.exe"
  Delete "$INSTDIR\README.txt"
  Delete "$INSTDIR\LICENSE.txt"
  Delete "$INSTDIR\WHATSNEW.txt"
  Delete "$INSTDIR\Uninstall.exe"

  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/REMOVEPROFILES" $1
  ${IfNot} ${Errors}
    Call un.RemoveUserFiles
  ${ElseIf} ${FileExists} "$INSTDIR\Games.CFG"
  ${OrIf} ${FileExists} "$INSTDIR\TesmoraGL.Log"
  ${OrIf} ${FileExists} "$INSTDIR\${JOURNAL}"
  ${OrIf} ${FileExists} "$INSTDIR\${JOURNAL_DAMAGED}"
    MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 \
      "Remove your game profiles (Games.CFG), the log and the record of driver settings to restore as well?$\r$\nAnswer No to keep them for a later installation." \
      /SD IDNO IDNO keepUserFiles
    Call un.RemoveUserFiles
  keepUserFiles:
  ${EndIf}
  Call un.NoteKeptJournal

  Delete "${MENU_FOLDER}\${PRODUCT}.lnk"
  Delete "${MENU_FOLDER}\${GUIDE_LINK}"
  Delete "${MENU_FOLDER}\Uninstall ${PRODUCT}.lnk"
  RMDir "${MENU_FOLDER}"
  DeleteRegValue HKLM "${RUN_KEY}" "${PRODUCT}"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  ; Only when nothing of the user's is left in it.
  RMDir "$INSTDIR"
SectionEnd
