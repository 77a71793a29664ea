; The installer of Tessaro: a per-user installation that needs no administrator, German throughout.
; Built by scripts/release.sh:
;   makensis -DVERSION=1.17 -DFILES=<folder with Tessaro.exe, Tessaro.pdf, LIZENZEN.txt> -DOUTFILE=<setup.exe>
;            [-DSIGN_COMMAND=<command that signs the file given to it>] installer/tessaro.nsi
; Silent: "Tessaro-<version>-setup.exe /S [/D=<folder>]", "Uninstall.exe /S".

!ifndef VERSION | FILES | OUTFILE
    !error "VERSION, FILES and OUTFILE must be given with -D"
!endif

; Against DLL planting (an installer runs from the downloads folder): NSIS 3 loads the system DLLs it needs from the
; system folder only, and the one plug-in used here (System) is extracted into $PLUGINSDIR, a new folder of this run.
; Debian 12's NSIS 3.08-3+deb12u1 carries the fix that gives the uninstaller's copy a folder of its own as well
; (CVE-2023-37378).
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
ManifestDPIAware true
ManifestSupportedOS all
RequestExecutionLevel user

!define PRODUCT "Tessaro"
!define PUBLISHER "Tessaro Project"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tessaro"
!define PROGRAM_KEY "Software\Kelvandor\Tessaro"
!define MENU_FOLDER "$SMPROGRAMS\Tessaro"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Tessaro"
; An upgrade goes where the earlier version lies.
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PRODUCT} ${VERSION}"

!ifdef SIGN_COMMAND
    ; The uninstaller is signed before it is packed into the installer, the installer once it is written.
    !uninstfinalize '${SIGN_COMMAND} "%1"' = 0
    !finalize '${SIGN_COMMAND} "%1"' = 0
!endif

!include "MUI2.nsh"
!include "LogicLib.nsh"
!include "FileFunc.nsh"

!define MUI_ICON "../resources/tessaro.ico"
!define MUI_UNICON "../resources/tessaro.ico"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\Tessaro.exe"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "German"

VIProductVersion "${VERSION}.0.0"
VIFileVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=${LANG_GERMAN} "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=${LANG_GERMAN} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_GERMAN} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_GERMAN} "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_GERMAN} "LegalCopyright" "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_GERMAN} "FileDescription" "${PRODUCT} ${VERSION} - Installation"

; Tessaro holds the mutex "Tessaro" while it runs; its files cannot be replaced or removed then.
!macro RefuseWhileTessaroRuns ACTION
    System::Call 'kernel32::OpenMutexW(i 0x00100000, i 0, w "Tessaro") p .r0'
    ${If} $0 P<> 0
        System::Call 'kernel32::CloseHandle(p r0)'
        MessageBox MB_OK|MB_ICONEXCLAMATION "Tessaro läuft gerade.$\r$\nBitte beenden Sie Tessaro und starten Sie die ${ACTION} danach erneut." /SD IDOK
        Abort
    ${EndIf}
!macroend

Function .onInit
    !insertmacro RefuseWhileTessaroRuns "Installation"
FunctionEnd

Function un.onInit
    !insertmacro RefuseWhileTessaroRuns "Deinstallation"
FunctionEnd

Section "Tessaro"
    SetOutPath "$INSTDIR"
    File "${FILES}/Tessaro.exe"
    File "${FILES}/Tessaro.pdf"
    File "${FILES}/LIZENZEN.txt"
    WriteUninstaller "$INSTDIR\Uninstall.exe"

    CreateDirectory "${MENU_FOLDER}"
    CreateShortcut "${MENU_FOLDER}\Tessaro.lnk" "$INSTDIR\Tessaro.exe" "" "$INSTDIR\Tessaro.exe" 0
    CreateShortcut "${MENU_FOLDER}\Tessaro-Handbuch.lnk" "$INSTDIR\Tessaro.pdf"

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Tessaro.exe,0"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    IntFmt $0 "0x%08X" $0
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" "$0"
SectionEnd

; The user's settings (%APPDATA%\Tessaro\Tessaro.prefs) stay; so does a folder that holds files of the user's own.
Section "Uninstall"
    Delete "$INSTDIR\Tessaro.exe"
    Delete "$INSTDIR\Tessaro.pdf"
    Delete "$INSTDIR\LIZENZEN.txt"
    Delete "$INSTDIR\Uninstall.exe"
    RMDir "$INSTDIR"

    Delete "${MENU_FOLDER}\Tessaro.lnk"
    Delete "${MENU_FOLDER}\Tessaro-Handbuch.lnk"
    RMDir "${MENU_FOLDER}"

    DeleteRegKey HKCU "${UNINSTALL_KEY}"
    DeleteRegValue HKCU "${PROGRAM_KEY}" "InstallDir"
    DeleteRegKey /ifempty HKCU "${PROGRAM_KEY}"
    DeleteRegKey /ifempty HKCU "Software\Kelvandor"
SectionEnd
