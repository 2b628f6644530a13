; The uninstaller and a restore still pending. With "Restore driver settings when the game
; ends" the program records the driver values it changes in TesmoraGL.Restore (its restore
; journal, src/launch/RestoreJournal.h) and puts them back when the game ends, or at its
; next start when it was ended before the game. A journal left in the folder therefore
; means the display driver may still hold a game's values, and only the program can put
; the old ones back.
;
; Asked, the user can start the program to restore them (the uninstaller waits until it is
; closed and looks again), remove it without restoring, or stop. Silent, nothing is started:
; the removal goes on, the journal and its side files stay in the folder whatever was asked
; for the profiles, and TesmoraGL.Log there says why. Installed again into that folder, the
; program restores the values at its first start. The exit code stays 0: the program was
; removed as asked, and a non-zero code would make a deployment tool retry a removal that
; can no longer be done.
!define JOURNAL "TesmoraGL.Restore"
; Where the program keeps a journal it cannot read (nothing there can be restored), and the
; side files of a journal being written (src/config/FileReplace.cpp): on Windows 9x a write
; cut between its two moves leaves the journal only as the "-old" file beside the "-new"
; one, and the program brings it back at its next start.
!define JOURNAL_DAMAGED "${JOURNAL}.damaged"
!define JOURNAL_NEW "${JOURNAL}.TesmoraGL-new"
!define JOURNAL_OLD "${JOURNAL}.TesmoraGL-old"

; 1 when the journal stays whatever is removed.
Var KeepJournal

; $0: 1 when a restore is pending, else 0.
Function un.IsRestorePending
  StrCpy $0 0
  ${If} ${FileExists} "$INSTDIR\${JOURNAL}"
    StrCpy $0 1
  ${ElseIf} ${FileExists} "$INSTDIR\${JOURNAL_OLD}"
  ${AndIf} ${FileExists} "$INSTDIR\${JOURNAL_NEW}"
    StrCpy $0 1
  ${EndIf}
FunctionEnd

Function un.SettlePendingRestore
  Push $0
  StrCpy $KeepJournal 0
  ${Do}
    Call un.IsRestorePending
    ${IfThen} $0 = 0 ${|} ${ExitDo} ${|}
    ${If} ${Silent}
      StrCpy $KeepJournal 1
      DetailPrint "A game's driver settings are still to be restored: ${JOURNAL} is kept."
      ${ExitDo}
    ${EndIf}
    MessageBox MB_YESNOCANCEL|MB_ICONEXCLAMATION \
      "A game's driver settings are still to be restored: ${PRODUCT_TITLE} was ended while the game ran, so your display driver may still hold the values set for that game.$\r$\n$\r$\nYes: start ${PRODUCT_TITLE} now to restore them. Close it when it has told you so, and the removal goes on.$\r$\nNo: remove it without restoring them.$\r$\nCancel: stop the removal." \
      IDYES restore IDNO leave
    Abort
    restore:
      DetailPrint "Restoring the driver settings: waiting for ${PRODUCT_TITLE} to be closed..."
      ExecWait '"$INSTDIR\TesmoraGL.exe"'
      ${Continue}
    leave:
      ${ExitDo}
  ${Loop}
  Pop $0
FunctionEnd

; After the removal: the note beside the journal that was kept, in the program's log (its
; own format: each entry starts on a new line).
Function un.NoteKeptJournal
  ${If} $KeepJournal = 1
    ClearErrors
    FileOpen $0 "$INSTDIR\TesmoraGL.Log" a
    ${IfNot} ${Errors}
      FileSeek $0 0 END
      FileWrite $0 "$\r$\nRemoved by the uninstaller while a game's driver settings were still to be restored: ${JOURNAL} was kept. Install ${PRODUCT_TITLE} into this folder again and start it to restore them."
      FileClose $0
    ${EndIf}
  ${EndIf}
FunctionEnd
