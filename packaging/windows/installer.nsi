; The Tornivex setup program. Per user by default, without an administrator prompt, into
; %LOCALAPPDATA%\Programs\Tornivex; for all users into Program Files when it runs elevated or
; is asked with /ALLUSERS (/CURRENTUSER asks for the per-user install even when elevated).
; /DESKTOP adds the desktop shortcut to a silent (/S) install. Installing again over an install
; of the same kind upgrades it in place.
;
; makensis -INPUTCHARSET UTF8 -DDEFINES=installer-defines.nsh -DSTAGE=DIR -DOUTFILE=setup.exe
;   DEFINES: the build's installer-defines.nsh (version, copyright, help link, icon)
;   STAGE: the folder holding the programs, LICENSE.txt and README.txt
;   WIZARD (optional): the 164x314 picture of the finish page

Unicode true
Target amd64-unicode
!include "${DEFINES}"
!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh

!define PRODUCT "Tornivex"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tornivex"
!define PROGID "Tornivex.SkinPackage"
!define EXTENSION ".asz"
!define APP_KEY "Software\Classes\Applications\tornivex.exe"
!define ERROR_ELEVATION_REQUIRED 740

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
RequestExecutionLevel user
SetCompressor /SOLID lzma
ShowInstDetails nevershow
ShowUninstDetails nevershow
BrandingText "${PRODUCT} ${VERSION}"

VIProductVersion "${VERSION4}"
VIFileVersion "${VERSION4}"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "FileDescription" "${PRODUCT} Setup"
VIAddVersionKey "CompanyName" "${PRODUCT}"
VIAddVersionKey "LegalCopyright" "${COPYRIGHT}"
VIAddVersionKey "OriginalFilename" "tornivex-${VERSION}-setup.exe"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!ifdef WIZARD
  !define MUI_WELCOMEFINISHPAGE_BITMAP "${WIZARD}"
!endif
!define MUI_FINISHPAGE_RUN "$INSTDIR\tornivex.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Start ${PRODUCT}"
!insertmacro MUI_PAGE_LICENSE "${STAGE}\LICENSE.txt"
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Var AllUsers

; "1" when the process holds administrator rights (elevated), else "0", in $0.
!macro IsAdministrator
  UserInfo::GetAccountType
  Pop $0
  ${If} $0 == "Admin"
    StrCpy $0 "1"
  ${Else}
    StrCpy $0 "0"
  ${EndIf}
!macroend

; Refuses an install for all users without the rights for it (the caller asked for it).
!macro NeedAdministrator MESSAGE
  !insertmacro IsAdministrator
  ${If} $0 != "1"
    MessageBox MB_ICONSTOP|MB_OK "${MESSAGE}" /SD IDOK
    SetErrorLevel ${ERROR_ELEVATION_REQUIRED}
    Quit
  ${EndIf}
!macroend


Section "${PRODUCT}" SectionProgram
  SectionIn RO
  Call WaitUntilClosed
  SetOutPath "$INSTDIR"
  File "${STAGE}\tornivex.exe"
  File "${STAGE}\tornivex-calc.exe"
  File "${STAGE}\tornivex-skin.exe"
  File "${STAGE}\LICENSE.txt"
  File "${STAGE}\README.txt"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\tornivex.exe" "" "$INSTDIR\tornivex.exe" 0

  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${PRODUCT}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\tornivex.exe,0"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "HelpLink" "${HELP_URL}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "URLInfoAbout" "${HELP_URL}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  IntFmt $0 "0x%08X" $0
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" $0

  ; Skin packages: our type, offered by "Open with"; the extension's default only when no other
  ; program owns it.
  WriteRegStr SHCTX "Software\Classes\${PROGID}" "" "${PRODUCT} skin package"
  WriteRegStr SHCTX "Software\Classes\${PROGID}\DefaultIcon" "" "$INSTDIR\tornivex.exe,0"
  WriteRegStr SHCTX "Software\Classes\${PROGID}\shell\open\command" "" '"$INSTDIR\tornivex.exe" --skin "%1"'
  WriteRegStr SHCTX "Software\Classes\${EXTENSION}\OpenWithProgids" "${PROGID}" ""
  WriteRegStr SHCTX "${APP_KEY}" "FriendlyAppName" "${PRODUCT}"
  WriteRegStr SHCTX "${APP_KEY}\SupportedTypes" "${EXTENSION}" ""
  WriteRegStr SHCTX "${APP_KEY}\shell\open\command" "" '"$INSTDIR\tornivex.exe" --skin "%1"'
  ; The user's classes first, then the machine's: the view Windows merges into HKCR.
  ReadRegStr $0 HKCU "Software\Classes\${EXTENSION}" ""
  ${If} $0 == ""
    ReadRegStr $0 HKLM "Software\Classes\${EXTENSION}" ""
  ${EndIf}
  ${If} $0 == ""
  ${OrIf} $0 == "${PROGID}"
    WriteRegStr SHCTX "Software\Classes\${EXTENSION}" "" "${PROGID}"
  ${EndIf}
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd

Section /o "Desktop shortcut" SectionDesktop
  CreateShortcut "$DESKTOP\${PRODUCT}.lnk" "$INSTDIR\tornivex.exe" "" "$INSTDIR\tornivex.exe" 0
SectionEnd

; Waits, asking, until no running Tornivex holds the program file (Windows keeps a running
; program's file from being replaced or removed); else the run ends unfinished (status 2).
!macro WaitUntilClosed UN
  Function ${UN}WaitUntilClosed
    retry:
    IfFileExists "$INSTDIR\tornivex.exe" 0 done
    ClearErrors
    FileOpen $0 "$INSTDIR\tornivex.exe" a
    IfErrors 0 closed
    MessageBox MB_ICONEXCLAMATION|MB_RETRYCANCEL "${PRODUCT} is running. Close it, then choose Retry." /SD IDCANCEL IDRETRY retry
    Abort "${PRODUCT} is running: nothing was changed."
    closed:
    FileClose $0
    done:
  FunctionEnd
!macroend
!insertmacro WaitUntilClosed ""
!insertmacro WaitUntilClosed "un."

Function .onInit
  ${GetParameters} $R0
  StrCpy $AllUsers "0"
  ClearErrors
  ${GetOptions} $R0 "/ALLUSERS" $R1
  ${IfNot} ${Errors}
    StrCpy $AllUsers "1"
    !insertmacro NeedAdministrator "Installing ${PRODUCT} for all users needs administrator rights: run the setup as administrator."
  ${Else}
    ClearErrors
    ${GetOptions} $R0 "/CURRENTUSER" $R1
    ${If} ${Errors}
      !insertmacro IsAdministrator
      StrCpy $AllUsers $0
    ${EndIf}
  ${EndIf}
  ${If} $AllUsers == "1"
    SetShellVarContext all
  ${Else}
    SetShellVarContext current
  ${EndIf}
  ; /D= given: that folder. Else the folder of an earlier install of the same kind, else the
  ; default one.
  ${If} $INSTDIR == ""
    ReadRegStr $INSTDIR SHCTX "${UNINSTALL_KEY}" "InstallLocation"
  ${EndIf}
  ${If} $INSTDIR == ""
    ${If} $AllUsers == "1"
      StrCpy $INSTDIR "$PROGRAMFILES64\${PRODUCT}"
    ${Else}
      StrCpy $INSTDIR "$LOCALAPPDATA\Programs\${PRODUCT}"
    ${EndIf}
  ${EndIf}
  ClearErrors
  ${GetOptions} $R0 "/DESKTOP" $R1
  ${IfNot} ${Errors}
    SectionSetFlags ${SectionDesktop} ${SF_SELECTED}
  ${EndIf}
FunctionEnd

!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
  !insertmacro MUI_DESCRIPTION_TEXT ${SectionProgram} "The program, its command-line calculator and skin tool, a Start menu shortcut, and skin packages (.asz) that open in ${PRODUCT}."
  !insertmacro MUI_DESCRIPTION_TEXT ${SectionDesktop} "A shortcut to ${PRODUCT} on the desktop."
!insertmacro MUI_FUNCTION_DESCRIPTION_END

; The uninstaller takes the kind of install from where its entry is: for all users when the
; machine's entry names this folder.
Function un.onInit
  ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $0 == $INSTDIR
    !insertmacro NeedAdministrator "${PRODUCT} was installed for all users: removing it needs administrator rights."
    SetShellVarContext all
  ${Else}
    SetShellVarContext current
  ${EndIf}
FunctionEnd

; Only what the setup put there goes: the user's skins (%APPDATA%\Tornivex) and settings stay.
Section "Uninstall"
  Call un.WaitUntilClosed
  Delete "$INSTDIR\tornivex.exe"
  Delete "$INSTDIR\tornivex-calc.exe"
  Delete "$INSTDIR\tornivex-skin.exe"
  Delete "$INSTDIR\LICENSE.txt"
  Delete "$INSTDIR\README.txt"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\${PRODUCT}.lnk"
  Delete "$DESKTOP\${PRODUCT}.lnk"

  ReadRegStr $0 SHCTX "Software\Classes\${EXTENSION}" ""
  ${If} $0 == "${PROGID}"
    DeleteRegValue SHCTX "Software\Classes\${EXTENSION}" ""
  ${EndIf}
  DeleteRegValue SHCTX "Software\Classes\${EXTENSION}\OpenWithProgids" "${PROGID}"
  DeleteRegKey /ifempty SHCTX "Software\Classes\${EXTENSION}\OpenWithProgids"
  DeleteRegKey /ifempty SHCTX "Software\Classes\${EXTENSION}"
  DeleteRegKey SHCTX "Software\Classes\${PROGID}"
  DeleteRegKey SHCTX "${APP_KEY}"
  DeleteRegKey SHCTX "${UNINSTALL_KEY}"
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd
