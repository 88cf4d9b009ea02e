; The agent's installer: the desktop program and the command-line tool with Qt, its
; plugins, translations and the fonts in Program Files, a Start-menu entry that starts
; the program in the agent's working directory (the directory of the row-generating
; program, where config.kvs lives), and an uninstaller that removes exactly what was
; installed and never the working directory.
; Made by scripts/windows-installer.sh, which defines VERSION, ICON, OUTFILE, and FILES and
; REMOVALS: the File and Delete lines it writes from the build's list of shipped files.
; Silent: setup.exe /S [/ARBEIDSKATALOG=C:\dir] [/D=C:\install dir]; the uninstaller takes /S.
Unicode true
Target amd64-unicode  ; a 64-bit installer for the 64-bit program (and a 64-bit Wine)
SetCompressor /SOLID lzma
!include MUI2.nsh
!include FileFunc.nsh

Name "Andelstipp"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Andelstipp"
RequestExecutionLevel admin
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Andelstipp"

Var WorkDir

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!insertmacro MUI_PAGE_DIRECTORY
!define MUI_DIRECTORYPAGE_VARIABLE $WorkDir
!define MUI_PAGE_HEADER_TEXT "Arbeidskatalog"
!define MUI_PAGE_HEADER_SUBTEXT "Katalogen der tippeprogrammet og config.kvs ligger."
!define MUI_DIRECTORYPAGE_TEXT_TOP "Andelstipp arbeider i samme katalog som tippeprogrammet. Velg katalogen der config.kvs ligger."
!define MUI_DIRECTORYPAGE_TEXT_DESTINATION "Arbeidskatalog"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Norwegian"

Function .onInit
  SetRegView 64
  SetShellVarContext all  ; the Start-menu entry for every user of the machine
  StrCpy $WorkDir "C:\Kvasar"
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/ARBEIDSKATALOG=" $1
  IfErrors +2
  StrCpy $WorkDir $1
FunctionEnd

Section "Andelstipp"
  SetOutPath "$INSTDIR"
  !include "${FILES}"
  SetOutPath "$INSTDIR"
  File "/oname=andelstipp.ico" "${ICON}"
  WriteUninstaller "$INSTDIR\avinstaller.exe"
  ; The shortcut's "Start in" is the folder set last.
  CreateDirectory "$WorkDir"
  SetOutPath "$WorkDir"
  CreateShortCut "$SMPROGRAMS\Andelstipp.lnk" "$INSTDIR\andelstipp.exe" "" "$INSTDIR\andelstipp.ico" 0
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Andelstipp"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\andelstipp.ico"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "WorkingDirectory" "$WorkDir"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\avinstaller.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\avinstaller.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Function un.onInit
  SetRegView 64
  SetShellVarContext all
FunctionEnd

; Only the installed files by name, then their folders if empty: the working directory
; and anything the agent put beside the program stay.
Section "Uninstall"
  Delete "$SMPROGRAMS\Andelstipp.lnk"
  !include "${REMOVALS}"
  Delete "$INSTDIR\andelstipp.ico"
  Delete "$INSTDIR\avinstaller.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
