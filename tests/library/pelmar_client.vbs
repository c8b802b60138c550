' Pelmar bound late by name from a real script host, and the Windows bindings of
' files, INI keys, processes and the registry as a script sees them.
Option Explicit

Dim passed, failed
passed = 0 : failed = 0
Sub Check(description, actual, expected)
  If actual = expected Then passed = passed + 1 : Exit Sub
  failed = failed + 1
  WScript.Echo "FAILED: " & description & ": got [" & actual & "], expected [" & expected & "]"
End Sub

Dim folder, fso, shell, sys, reg, other, ini, file, store, stored, pattern
folder = WScript.Arguments(0)
Set fso = CreateObject("Scripting.FileSystemObject")
Set shell = CreateObject("WScript.Shell")
Set sys = CreateObject("Pelmar.SysCls")
Set reg = CreateObject("Pelmar.RegCls")

Set pattern = New RegExp
pattern.Pattern = "^Microsoft Windows NT - Ver: [1-9]\d*\.\d+\.[1-9]\d*$"
Check "OSPlatform", pattern.Test(sys.OSPlatform), True
pattern.Pattern = "^[\d,]+ Bytes Total Memory[\d,]+ Bytes Available MemoryUnknown Intel or Compatible Processor\.$"
Check "memory and processor", pattern.Test(sys.TotalMemory & sys.AvailMemory & sys.CPUType), True
Check "IsNT, IsNumber, GetFileExt, FormOnTop", sys.IsNT & sys.IsNumber("-3.5") & sys.GetFileExt("a.b.c") & sys.FormOnTop(Nothing, True), "TrueTruecFalse"
Check "IsAdminGroup of Wine's administrator", sys.IsAdminGroup, True
Check "IsAppRunning cscript", sys.IsAppRunning("CSCRIPT"), True
Check "LongDate", sys.LongDate, CLng(Fix(CDbl(Date)))
Check "LongTime within a day", sys.LongTime >= 0 And sys.LongTime < 1, True
ini = folder & "\script.cfg"
Check "SetINIKey", sys.SetINIKey(ini & "|Main|Path|c:\x"), True
Check "GetINIKey", sys.GetINIKey(ini & "|Main|Path"), "c:\x"
stored = fso.GetFile(ini).DateLastModified
Check "GetFileTime 24hr Short", sys.GetFileTime(ini, 4), Right(0 & Hour(stored), 2) & ":" & Right(0 & Minute(stored), 2)
Check "GetFileDate 4 Digit Short", sys.GetFileDate(ini, 3), Right(0 & Month(stored), 2) & "/" & Right(0 & Day(stored), 2) & "/" & Year(stored)

' Hidden files and folders are neither counted nor found.
fso.CreateTextFile(folder & "\a.txt").Close
fso.CreateTextFile(folder & "\h.txt").Close
fso.GetFile(folder & "\h.txt").Attributes = 2
fso.CreateFolder folder & "\sub.txt"
Check "GetFileCount", sys.GetFileCount(folder, "txt"), 1
Check "FileExists folder", sys.FileExists(folder & "\sub.txt"), False
Check "DirExists", sys.DirExists(folder & "\sub.txt\"), True
Check "DirExists missing", sys.DirExists(folder & "\gone\"), False
Check "DirExists of a missing entry", sys.DirExists(folder & "\anything"), True
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
Check "GetDataKeyValue of a missing key", IsEmpty(reg.GetDataKeyValue("Missing")), True
Check "HKeyRoot defaulted on first use", reg.HKeyRoot, -2147483647
For Each store In Array(Array("Name", "123", "String 123"), Array("Flag", True, "Long -1"))
  Check "SetDataKeyValue " & store(0), reg.SetDataKeyValue(store(0), store(1)), True
  stored = shell.RegRead("HKCU\Software\PelmarScriptTest\" & store(0))
  Check "stored " & store(0), TypeName(stored) & " " & stored, store(2)
  Check "read back " & store(0), reg.GetDataKeyValue(store(0)), store(1)
Next

' A new object's CreateRegKey defaults its own root and leaves its key path alone;
' a RootKey of 0 means the current user's root for that call only.
Set other = CreateObject("Pelmar.RegCls")
Check "CreateRegKey", other.CreateRegKey("\Software\PelmarScriptTest\Child\"), True
Check "CreateRegKey existing", other.CreateRegKey("Software\PelmarScriptTest\Child"), False
Check "CreateRegKey defaults HKeyRoot", other.HKeyRoot & other.HRootSubKey, "-2147483647"
reg.HKeyRoot = -2147483646
Check "IsKeyValid", reg.IsKeyValid("\Software\PelmarScriptTest\Child\"), True
Check "IsKeyValid leaves HKeyRoot", reg.HKeyRoot, -2147483646
Check "DeleteData", reg.DeleteData("\Software\PelmarScriptTest\", "Name"), True
Check "DeleteKey", reg.DeleteKey("\Software\PelmarScriptTest\Child\"), True
reg.HKeyRoot = 0

On Error Resume Next
reg.SetDataKeyValue "Bad", Null
Check "Err.Number", Err.Number, 1004
Check "Err.Description", Err.Description, "Failed to open registry key(s) 'Software\PelmarScriptTest'."
On Error GoTo 0
Check "DeleteKey", reg.DeleteKey("Software\PelmarScriptTest"), True

WScript.Echo passed & " passed, " & failed & " failed"
WScript.Quit failed
