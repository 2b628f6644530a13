; The TesmoraGL installer. tools/make-dist compiles it:
;   makensis -DEXE=TesmoraGL.exe -DTEXTS=folder -DOUTFILE=setup.exe [-DAMD64] TesmoraGL.nsi
; EXE is the program to install, TEXTS the folder of README.txt, LICENSE.txt and
; WHATSNEW.txt. The shipped installer is the x86 ANSI one, which runs on Windows 95 to 2000;
; AMD64 builds the same installer for the x86_64 build (this machine's tests, which cannot
; run 32-bit programs).
;
; Options: /S silent; /AUTORUN also starts the program with Windows (when silent).
; The uninstaller asks before it removes Games.CFG, its copies and the log; silent, it keeps
; them unless /REMOVEPROFILES is given.
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

!define PRODUCT "TesmoraGL"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
; The value the options dialog writes: the quoted program path, then the switch.
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "${PROGRAMS_FOLDER}\${PRODUCT}"
RequestExecutionLevel admin
SetCompressor /SOLID lzma
ShowInstDetails show
ShowUninstDetails show

Page license
Page components
Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles
LicenseData "${TEXTS}\LICENSE.txt"

Section "${PRODUCT} (required)" SecProgram
  SectionIn RO
  SetOutPath "$INSTDIR"
  File "/oname=TesmoraGL.exe" "${EXE}"
  File "${TEXTS}\README.txt"
  File "${TEXTS}\LICENSE.txt"
  File "${TEXTS}\WHATSNEW.txt"
  WriteUninstaller "$INSTDIR\Uninstall.exe"

  CreateDirectory "$SMPROGRAMS\${PRODUCT}"
  CreateShortCut "$SMPROGRAMS\${PRODUCT}\${PRODUCT}.lnk" "$INSTDIR\TesmoraGL.exe"
  CreateShortCut "$SMPROGRAMS\${PRODUCT}\Uninstall ${PRODUCT}.lnk" "$INSTDIR\Uninstall.exe"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
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
; files of a replace, and the log.
!macro RemoveUserFiles
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
!macroend

Section "Uninstall"
  Delete "$INSTDIR\TesmoraGL.exe"
  Delete "$INSTDIR\README.txt"
  Delete "$INSTDIR\LICENSE.txt"
  Delete "$INSTDIR\WHATSNEW.txt"
  Delete "$INSTDIR\Uninstall.exe"

  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/REMOVEPROFILES" $1
  ${IfNot} ${Errors}
    !insertmacro RemoveUserFiles
  ${ElseIf} ${FileExists} "$INSTDIR\Games.CFG"
  ${OrIf} ${FileExists} "$INSTDIR\TesmoraGL.Log"
    MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 \
      "Remove your game profiles (Games.CFG) and the log as well?$\r$\nAnswer No to keep them for a later installation." \
      /SD IDNO IDNO keepUserFiles
    !insertmacro RemoveUserFiles
  keepUserFiles:
  ${EndIf}

  Delete "$SMPROGRAMS\${PRODUCT}\${PRODUCT}.lnk"
  Delete "$SMPROGRAMS\${PRODUCT}\Uninstall ${PRODUCT}.lnk"
  RMDir "$SMPROGRAMS\${PRODUCT}"
  DeleteRegValue HKLM "${RUN_KEY}" "${PRODUCT}"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  ; Only when nothing of the user's is left in it.
  RMDir "$INSTDIR"
SectionEnd
