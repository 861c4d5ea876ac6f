; Pivola's installer. Built by tools/make-dist.sh with makensis:
;   makensis -DVERSION=1.7.9 -DSTAGE=<folder with the program files> -DOUTFILE=<setup.exe> installer/pivola.nsi
;
; By default it installs for the current user, without administrator rights, into
; %LOCALAPPDATA%\Programs\Pivola; "for all users" installs into Program Files and needs an
; installer started with administrator rights.
;
; Command line: /S silent, /D=<folder> the installation folder (last, unquoted),
; /ALLUSERS or /CURRENTUSER the kind of installation, /NOAUTOSTART leaves "start with
; Windows" off. A silent installation stops (exit code 2) while Pivola runs.

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true

!ifndef VERSION
  !error "VERSION is not defined"
!endif
!ifndef STAGE
  !error "STAGE is not defined"
!endif
!ifndef ICON
  !error "ICON is not defined"
!endif
!ifndef OUTFILE
  !define OUTFILE "Pivola-${VERSION}-setup.exe"
!endif

!define PRODUCT "Pivola"
!define COMPANY "Vendrik"
; The program's install mutex: held by a running copy of pivola.exe.
!define INSTALL_MUTEX "7D2A91C04B6E4F18A3D5E0B9C8F21A64"
; The value pivola.exe itself writes when it starts with Windows.
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define RUN_VALUE "Vendrik-Pivola"
!define UNINST_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Vendrik-Pivola"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
BrandingText "${PRODUCT} ${VERSION}"
VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "CompanyName" "${COMPANY}"
VIAddVersionKey "FileDescription" "${PRODUCT} setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "${COMPANY}"

!include "MUI2.nsh"
!include "LogicLib.nsh"
!include "FileFunc.nsh"
!include "nsDialogs.nsh"
!include "x64.nsh"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_NODESC

Var AllUsers          ; 1: per-machine installation
Var RadioJustMe
Var RadioAllUsers

; ---- pages ------------------------------------------------------------------------------
!insertmacro MUI_PAGE_WELCOME
Page custom InstallModePage InstallModePageLeave
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\pivola.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Start ${PRODUCT} now"
!define MUI_FINISHPAGE_SHOWREADME "$INSTDIR\help\index.html"
!define MUI_FINISHPAGE_SHOWREADME_TEXT "Show the user guide"
!define MUI_FINISHPAGE_SHOWREADME_NOTCHECKED
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"

; ---- the running program ---------------------------------------------------------------
; Files of a running copy cannot be replaced or removed: ask the user to close it first.
!macro WAIT_FOR_CLOSED_PROGRAM un
Function ${un}WaitForClosedProgram
  retry:
    ; SYNCHRONIZE access is enough to learn whether the mutex exists.
    System::Call 'kernel32::OpenMutexW(i 0x00100000, i 0, w "${INSTALL_MUTEX}") p .r0'
    ${If} $0 P<> 0
      System::Call 'kernel32::CloseHandle(p r0)'
      MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
        "${PRODUCT} is running.$\r$\n$\r$\nClose it (in its tray menu: Pivola menu, Close), then choose Retry." \
        /SD IDCANCEL IDRETRY retry
      SetErrorLevel 2
      Quit
    ${EndIf}
FunctionEnd
!macroend
!insertmacro WAIT_FOR_CLOSED_PROGRAM ""
!insertmacro WAIT_FOR_CLOSED_PROGRAM "un."

!macro REQUIRE_ADMIN_FOR_ALL_USERS result
  StrCpy ${result} 1
  ${If} $AllUsers == 1
    UserInfo::GetAccountType
    Pop $0
    ${If} $0 != "Admin"
      StrCpy ${result} 0
    ${EndIf}
  ${EndIf}
!macroend

Function SetInstallMode
  ${If} $AllUsers == 1
    SetShellVarContext all
  ${Else}
    SetShellVarContext current
  ${EndIf}
FunctionEnd

Function .onInit
  SetRegView 64
  StrCpy $AllUsers 0
  ${GetParameters} $R0
  ClearErrors
  ${GetOptions} $R0 "/ALLUSERS" $R1
  ${IfNot} ${Errors}
    StrCpy $AllUsers 1
  ${EndIf}
  ClearErrors
  ${GetOptions} $R0 "/NOAUTOSTART" $R1
  ${IfNot} ${Errors}
    SectionGetFlags 2 $R1
    IntOp $R1 $R1 & 0xFFFFFFFE
    SectionSetFlags 2 $R1
  ${EndIf}
  ; /D= sets INSTDIR before .onInit; only a folder not given is chosen by the mode.
  ${If} $INSTDIR == "$LOCALAPPDATA\Programs\${PRODUCT}"
  ${AndIf} $AllUsers == 1
    StrCpy $INSTDIR "$PROGRAMFILES64\${PRODUCT}"
  ${EndIf}
  ${If} ${Silent}
    !insertmacro REQUIRE_ADMIN_FOR_ALL_USERS $R2
    ${If} $R2 == 0
      SetErrorLevel 740
      Quit
    ${EndIf}
  ${EndIf}
  Call SetInstallMode
FunctionEnd

Function InstallModePage
  !insertmacro MUI_HEADER_TEXT "Installation type" "Choose who may use ${PRODUCT} on this computer."
  nsDialogs::Create 1018
  Pop $0
  ${NSD_CreateLabel} 0 0 100% 24u "${PRODUCT} can be installed for you alone, which needs no administrator rights, or for every user of this computer."
  Pop $0
  ${NSD_CreateRadioButton} 10u 32u 100% 12u "Just for &me (no administrator rights needed)"
  Pop $RadioJustMe
  ${NSD_CreateRadioButton} 10u 48u 100% 12u "For &all users of this computer (needs an installer started as administrator)"
  Pop $RadioAllUsers
  ${If} $AllUsers == 1
    ${NSD_Check} $RadioAllUsers
  ${Else}
    ${NSD_Check} $RadioJustMe
  ${EndIf}
  nsDialogs::Show
FunctionEnd

Function InstallModePageLeave
  ${NSD_GetState} $RadioAllUsers $0
  ${If} $0 == ${BST_CHECKED}
    StrCpy $AllUsers 1
  ${Else}
    StrCpy $AllUsers 0
  ${EndIf}
  !insertmacro REQUIRE_ADMIN_FOR_ALL_USERS $1
  ${If} $1 == 0
    MessageBox MB_OK|MB_ICONEXCLAMATION "An installation for all users needs administrator rights.$\r$\nStart the installer with $\"Run as administrator$\", or install just for yourself."
    Abort
  ${EndIf}
  ${If} $AllUsers == 1
    StrCpy $INSTDIR "$PROGRAMFILES64\${PRODUCT}"
  ${Else}
    StrCpy $INSTDIR "$LOCALAPPDATA\Programs\${PRODUCT}"
  ${EndIf}
  Call SetInstallMode
FunctionEnd

; ---- sections ---------------------------------------------------------------------------
Section "${PRODUCT} (required)" SecProgram
  SectionIn RO
  Call WaitForClosedProgram
  SetOutPath "$INSTDIR"
  File "${STAGE}/pivola.exe"
  SetOutPath "$INSTDIR\trans"
  File /r "${STAGE}/trans/*.*"
  SetOutPath "$INSTDIR\help"
  File "${STAGE}/help/index.html"
  ; The starter items: copied into each user's data folder at the first start, never over
  ; items of the user's own.
  SetOutPath "$INSTDIR\shortcuts"
  File /r "${STAGE}/shortcuts/*.*"
  SetOutPath "$INSTDIR"

  WriteUninstaller "$INSTDIR\uninstall.exe"
  ${If} $AllUsers == 1
    StrCpy $0 HKLM
  ${Else}
    StrCpy $0 HKCU
  ${EndIf}
  ${If} $AllUsers == 1
    WriteRegStr HKLM "${UNINST_KEY}" "DisplayName" "${PRODUCT} ${VERSION}"
    WriteRegStr HKLM "${UNINST_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINST_KEY}" "Publisher" "${COMPANY}"
    WriteRegStr HKLM "${UNINST_KEY}" "DisplayIcon" "$INSTDIR\pivola.exe"
    WriteRegStr HKLM "${UNINST_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINST_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe" /ALLUSERS'
    WriteRegStr HKLM "${UNINST_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /ALLUSERS /S'
    WriteRegDWORD HKLM "${UNINST_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINST_KEY}" "NoRepair" 1
  ${Else}
    WriteRegStr HKCU "${UNINST_KEY}" "DisplayName" "${PRODUCT} ${VERSION}"
    WriteRegStr HKCU "${UNINST_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINST_KEY}" "Publisher" "${COMPANY}"
    WriteRegStr HKCU "${UNINST_KEY}" "DisplayIcon" "$INSTDIR\pivola.exe"
    WriteRegStr HKCU "${UNINST_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINST_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKCU "${UNINST_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINST_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINST_KEY}" "NoRepair" 1
  ${EndIf}
SectionEnd

Section "Start menu entry" SecStartMenu
  CreateShortCut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\pivola.exe" "" "$INSTDIR\pivola.exe" 0
SectionEnd

; Section index 2: .onInit clears it for /NOAUTOSTART.
Section "Start ${PRODUCT} with Windows" SecAutostart
  ; The same value pivola.exe writes, for the user who installs. The program keeps it in
  ; step with its option "Start Pivola in system tray on Windows start", so a new data
  ; folder starts with that option as chosen here.
  WriteRegStr HKCU "${RUN_KEY}" "${RUN_VALUE}" "$INSTDIR\pivola.exe"
  SetOutPath "$INSTDIR\config"
  FileOpen $0 "$INSTDIR\config\options.ini" w
  FileWrite $0 "[ProgramOptions.Miscellaneous]$\r$\nAlwaysShowInTray=1$\r$\n"
  FileClose $0
  SetOutPath "$INSTDIR"
SectionEnd

Section "-Without start with Windows"
  ${IfNot} ${SectionIsSelected} ${SecAutostart}
    DeleteRegValue HKCU "${RUN_KEY}" "${RUN_VALUE}"
    SetOutPath "$INSTDIR\config"
    FileOpen $0 "$INSTDIR\config\options.ini" w
    FileWrite $0 "[ProgramOptions.Miscellaneous]$\r$\nAlwaysShowInTray=0$\r$\n"
    FileClose $0
    SetOutPath "$INSTDIR"
  ${EndIf}
SectionEnd

; ---- uninstaller ------------------------------------------------------------------------
Function un.onInit
  SetRegView 64
  StrCpy $AllUsers 0
  ${GetParameters} $R0
  ClearErrors
  ${GetOptions} $R0 "/ALLUSERS" $R1
  ${IfNot} ${Errors}
    StrCpy $AllUsers 1
  ${EndIf}
  ; An installation for all users is recorded under HKLM with this folder.
  ReadRegStr $R1 HKLM "${UNINST_KEY}" "InstallLocation"
  ${If} $R1 == $INSTDIR
    StrCpy $AllUsers 1
  ${EndIf}
  Call un.SetInstallMode
FunctionEnd

Function un.SetInstallMode
  ${If} $AllUsers == 1
    SetShellVarContext all
  ${Else}
    SetShellVarContext current
  ${EndIf}
FunctionEnd

Section "un.${PRODUCT}" UnSecProgram
  SectionIn RO
  Call un.WaitForClosedProgram
  Delete "$INSTDIR\pivola.exe"
  RMDir /r "$INSTDIR\trans"
  RMDir /r "$INSTDIR\help"
  ; Without muc.ini the data lives in the documents folder and these are only the starter
  ; files; with one, the program folder may hold the user's own data, which stays.
  ${IfNot} ${FileExists} "$INSTDIR\muc.ini"
    RMDir /r "$INSTDIR\shortcuts"
    Delete "$INSTDIR\config\options.ini"
    RMDir "$INSTDIR\config"
  ${EndIf}
  ; Created empty by the program at every start.
  RMDir "$INSTDIR\tips"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"

  Delete "$SMPROGRAMS\${PRODUCT}.lnk"
  ; The value the program or the installer wrote, when it points at this installation.
  ReadRegStr $0 HKCU "${RUN_KEY}" "${RUN_VALUE}"
  ${If} $0 == "$INSTDIR\pivola.exe"
  ${OrIf} $0 == '"$INSTDIR\pivola.exe"'
    DeleteRegValue HKCU "${RUN_KEY}" "${RUN_VALUE}"
  ${EndIf}
  ${If} $AllUsers == 1
    DeleteRegKey HKLM "${UNINST_KEY}"
  ${Else}
    DeleteRegKey HKCU "${UNINST_KEY}"
  ${EndIf}
SectionEnd

; Off unless chosen: the user's items, options and log stay for a later installation.
Section /o "un.My items, options and log (${COMPANY}\${PRODUCT} in Documents)" UnSecData
  SetShellVarContext current
  RMDir /r "$DOCUMENTS\${COMPANY}\${PRODUCT}"
  RMDir "$DOCUMENTS\${COMPANY}"
  Call un.SetInstallMode
SectionEnd
