; SPDX-License-Identifier: MIT
; Starquill's installer: per user, no administrator rights, into the user's
; own programs folder, with a Start-menu entry and an uninstaller registered
; under HKCU. Built by tools/windows/build.sh:
;   makensis -DVERSION=<x.y> -DSTAGE=<install tree> -DFILES=<uninstall list> -DOUTFILE=<.exe>
; The program is 64-bit; so is its installer (and it runs under a 64-bit-only Wine).
Target amd64-unicode
RequestExecutionLevel user
SetCompressor /SOLID lzma

!define KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Starquill"

Name "Starquill ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Starquill"
InstallDirRegKey HKCU "${KEY}" "InstallLocation"
ShowInstDetails nevershow

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Section
  SetOutPath "$INSTDIR"
  File /r "${STAGE}\*"
  WriteUninstaller "$INSTDIR\Uninstall.exe"
  CreateShortCut "$SMPROGRAMS\Starquill.lnk" "$INSTDIR\StarquillFree.exe"
  WriteRegStr HKCU "${KEY}" "DisplayName" "Starquill"
  WriteRegStr HKCU "${KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${KEY}" "Publisher" "Lantern Softwares"
  WriteRegStr HKCU "${KEY}" "DisplayIcon" "$INSTDIR\StarquillFree.exe"
  WriteRegStr HKCU "${KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKCU "${KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKCU "${KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  Delete "$SMPROGRAMS\Starquill.lnk"
  !include "${FILES}"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKCU "${KEY}"
SectionEnd
