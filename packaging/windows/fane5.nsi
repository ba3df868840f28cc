; The installer of the FANE5 programmer for Windows. It installs for the
; user who runs it, without administrator rights: the program folder under
; %LOCALAPPDATA%\Programs, a Start-menu entry, .chnw and .optw files opening
; in the program, and an uninstaller listed under Apps.
; makensis -DVERSION=1.1 -DFULL_VERSION=1.1+git103.229daa4 -DNUMERIC_VERSION=1.1.0.103
;          -DSTAGE=<program folder> -DFILE_LIST=<installed-files.nsh> -DOUTFILE=<setup.exe> fane5.nsi
Unicode true
Target amd64-unicode  ; the programs are 64-bit, and so is the installer
ManifestDPIAware true
RequestExecutionLevel user
SetCompressor /SOLID lzma

!define PRODUCT "FANE5 Programmer"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\fane5"
!include "${FILE_LIST}"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\FANE5"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"

; The setup program's own version, as Explorer shows it.
VIProductVersion "${NUMERIC_VERSION}"
VIFileVersion "${NUMERIC_VERSION}"
VIAddVersionKey /LANG=0 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=0 "ProductVersion" "${FULL_VERSION}"
VIAddVersionKey /LANG=0 "FileVersion" "${FULL_VERSION}"
VIAddVersionKey /LANG=0 "FileDescription" "${PRODUCT} setup"
VIAddVersionKey /LANG=0 "CompanyName" "The FANE5 programmer authors"
VIAddVersionKey /LANG=0 "LegalCopyright" "Copyright 2026 The FANE5 programmer authors. Free software under the GPL-3.0-or-later."

!include "MUI2.nsh"
!define MUI_ICON "fane5.ico"  ; beside this script, as the programs carry it
!define MUI_UNICON "fane5.ico"
!define MUI_FINISHPAGE_RUN "$INSTDIR\fane5.exe"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; A file type that opens in fane5.exe: extension -> class -> open command.
!macro Associate EXT CLASS TEXT
  WriteRegStr HKCU "Software\Classes\.${EXT}" "" "${CLASS}"
  WriteRegStr HKCU "Software\Classes\${CLASS}" "" "${TEXT}"
  WriteRegStr HKCU "Software\Classes\${CLASS}\DefaultIcon" "" "$INSTDIR\fane5.exe,0"
  WriteRegStr HKCU "Software\Classes\${CLASS}\shell\open\command" "" '"$INSTDIR\fane5.exe" "%1"'
!macroend

; The extension is given back only while it still names our class.
!macro Dissociate EXT CLASS
  ReadRegStr $0 HKCU "Software\Classes\.${EXT}" ""
  StrCmp $0 "${CLASS}" 0 +2
    DeleteRegKey HKCU "Software\Classes\.${EXT}"
  DeleteRegKey HKCU "Software\Classes\${CLASS}"
!macroend

Section "Install"
  SetShellVarContext current
  SetOutPath "$INSTDIR"
  File /r "${STAGE}/*"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\fane5.exe"

  !insertmacro Associate chnw fane5.chnw "FANE5 channel file"
  !insertmacro Associate optw fane5.optw "FANE5 option file"
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'  ; associations changed

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${FULL_VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\fane5.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; The user's settings and radio history stay: they are the user's data.
Section "Uninstall"
  SetShellVarContext current
  !insertmacro RemoveInstalledFiles
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\${PRODUCT}.lnk"
  !insertmacro Dissociate chnw fane5.chnw
  !insertmacro Dissociate optw fane5.optw
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
