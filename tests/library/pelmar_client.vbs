' Pelmar bound late by name from a real script host, and the Windows bindings of
' files, INI keys, processes and the registry as a script sees them.
Option Explicit

Dim passed, failed
passed = 0 : failed = 0
Sub Check(description, actual, expected)
  If actual = expected Then passed = passed + 1 Else failed = failed + 1 : _
    WScript.Echo "FAILED: " & description & ": got [" & actual & "], expected [" & expected & "]"
End Sub

Dim folder, fso, shell, sys, reg, other, ini, file, store, stored, pattern
Set fso = CreateObject("Scripting.FileSystemObject")
folder = fso.BuildPath(fso.GetSpecialFolder(2), fso.GetTempName())  ' a fresh one
fso.CreateFolder folder
Set shell = CreateObject("WScript.Shell")
Set sys = CreateObject("Pelmar.SysCls")
Set reg = CreateObject("Pelmar.RegCls")

Set pattern = New RegExp
pattern.Pattern = "^Microsoft Windows NT - Ver: [1-9]\d*\.\d+\.[1-9]\d*$"
Check "OSPlatform", pattern.Test(sys.OSPlatform), True
pattern.Pattern = "^[\d,]+ Bytes Total Memory[\d,]+ Bytes Available MemoryUnknown Intel or Compatible Processor\.$"
Check "memory and processor", pattern.Test(sys.TotalMemory & sys.AvailMemory & sys.CPUType), True
Check "IsNT, IsNumber, GetFileExt, FormOnTop, IsAdminGroup (Wine's user), IsAppRunning", _
  sys.IsNT & sys.IsNumber("-3.5") & sys.GetFileExt("a.b.c") & sys.FormOnTop(Nothing, True) & _
  sys.IsAdminGroup & sys.IsAppRunning("CSCRIPT"), "TrueTruecFalseTrueTrue"
Check "LongDate today, LongTime within a day", sys.LongDate = CLng(Fix(CDbl(Date))) And sys.LongTime >= 0 And sys.LongTime < 1, True
ini = folder & "\script.cfg"
Check "SetINIKey, GetINIKey", sys.SetINIKey(ini & "|Main|Path|c:\x") & sys.GetINIKey(ini & "|Main|Path"), "Truec:\x"
stored = fso.GetFile(ini).DateLastModified
Check "GetFileDate 4 Digit Short, GetFileTime 24hr Short", sys.GetFileDate(ini, 3) & " " & sys.GetFileTime(ini, 4), _
  Right(0 & Month(stored), 2) & "/" & Right(0 & Day(stored), 2) & "/" & Year(stored) & " " & Right(0 & Hour(stored), 2) & ":" & Right(0 & Minute(stored), 2)

' Hidden files and folders are neither counted nor found.
fso.CreateTextFile(folder & "\a.txt").Close
fso.CreateTextFile(folder & "\h.txt").Close
fso.GetFile(folder & "\h.txt").Attributes = 2
fso.CreateFolder folder & "\sub.txt"
Check "GetFileCount, FileExists of a folder, DirExists of it, of a missing one, of a missing entry", _
  sys.GetFileCount(folder, "txt") & sys.FileExists(folder & "\sub.txt") & sys.DirExists(folder & "\sub.txt\") & _
  sys.DirExists(folder & "\gone\") & sys.DirExists(folder & "\anything"), "1FalseTrueFalseTrue"
' The platform reports every file as archived, so that bit is left out.
file = folder & "\a.txt"
fso.GetFile(file).Attributes = 32
Check "GetFileAttrib", sys.GetFileAttrib(file), 32
sys.SetFileAttrib file, 3
Check "SetFileAttrib", fso.GetFile(file).Attributes And 31, 3
sys.SetFileAttrib file, 0
Check "SetFileAttrib none", fso.GetFile(file).Attributes And 31, 0

' Text is stored as text, everything else as a 32-bit number.
reg.HRootSubKey = "\Software\PelmarScriptTest\"
Check "GetDataKeyValue of a missing key, HKeyRoot defaulted by it", IsEmpty(reg.GetDataKeyValue("Missing")) & reg.HKeyRoot, "True-2147483647"
For Each store In Array(Array("Name", "123", "String 123"), Array("Flag", True, "Long -1"))
  Check "SetDataKeyValue " & store(0), reg.SetDataKeyValue(store(0), store(1)), True
  stored = shell.RegRead("HKCU\Software\PelmarScriptTest\" & store(0))
  Check "stored " & store(0), TypeName(stored) & " " & stored, store(2)
  Check "read back " & store(0), reg.GetDataKeyValue(store(0)), store(1)
Next

' A new object's CreateRegKey defaults its own root and leaves its key path alone.
Set other = CreateObject("Pelmar.RegCls")
Check "CreateRegKey new, existing, HKeyRoot and HRootSubKey after", other.CreateRegKey("\Software\PelmarScriptTest\Child\") & _
  other.CreateRegKey("Software\PelmarScriptTest\Child") & other.HKeyRoot & other.HRootSubKey, "TrueFalse-2147483647"
' A RootKey of 0 means the current user's root for that call only.
reg.HKeyRoot = -2147483646
Check "IsKeyValid, HKeyRoot after", reg.IsKeyValid("\Software\PelmarScriptTest\Child\") & reg.HKeyRoot, "True-2147483646"
Check "DeleteData, DeleteKey", reg.DeleteData("\Software\PelmarScriptTest\", "Name") & _
  reg.DeleteKey("\Software\PelmarScriptTest\Child\"), "TrueTrue"
reg.HKeyRoot = 0

On Error Resume Next
reg.SetDataKeyValue "Bad", Null
Check "Err", Err.Number & " " & Err.Description, "1004 Failed to open registry key(s) 'Software\PelmarScriptTest'."
On Error GoTo 0
Check "DeleteKey", reg.DeleteKey("Software\PelmarScriptTest"), True

fso.DeleteFolder folder, True
WScript.Echo passed & " passed, " & failed & " failed"
WScript.Quit failed
