; Finds a running TesmoraGL.exe and asks the user to end it before files are replaced or
; removed: a running exe cannot be overwritten or deleted, and the program would write
; Games.CFG into a folder that is being removed. Silent, nothing is asked: the setup or the
; removal stops before it touched anything, with exit code 2 (the code NSIS gives every
; abort by the script).
;
; The program holds its instance mutex from its first moment to its last, also while it
; shows a message before its window exists or sits in the notification area: the name is
; InstanceMutexName of src/base/StartupState.h (the install tests start the real program
; and see it found).
!define INSTANCE_MUTEX "#$$*__TesmoraGL_Mutex__!@#$$"
!define SYNCHRONIZE 0x00100000

!macro DEFINE_CLOSE_RUNNING_PROGRAM prefix
  ; $0: 1 when the program runs, else 0.
  Function ${prefix}IsProgramRunning
    Push $1
    StrCpy $1 "${INSTANCE_MUTEX}"
    System::Call "kernel32::OpenMutex(i ${SYNCHRONIZE}, i 0, t r1) p .r1"
    ${If} $1 P<> 0
      System::Call "kernel32::CloseHandle(p r1)"
      StrCpy $0 1
    ${Else}
      StrCpy $0 0
    ${EndIf}
    Pop $1
  FunctionEnd

  ; Returns once the program is not running; aborts when the user gives up (or is silent).
  Function ${prefix}CloseRunningProgram
    Push $0
    ${Do}
      Call ${prefix}IsProgramRunning
      ${IfThen} $0 = 0 ${|} ${ExitDo} ${|}
      MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
        "${PRODUCT_TITLE} is running. Please close its window first (when only its icon in the notification area shows, right-click the icon and choose Exit), then press Retry." \
        /SD IDCANCEL IDRETRY retry
      DetailPrint "${PRODUCT_TITLE} is running: nothing was changed."
      Abort
      retry:
    ${Loop}
    Pop $0
  FunctionEnd
!macroend
