' A script client of Pelmar: creates both classes by name, calls their members
' and checks the results against the files and registry the script sees, and the
' error the library raises. Prints "N passed, M failed".
Option Explicit

Dim passed, failed
passed = 0 : failed = 0
Sub Check(description, actual, expected)
  If actual = expected Then passed = passed + 1 : Exit Sub
  failed = failed + 1
  WScript.Echo "FAILED: " & description & ": got [" & actual & "], expected [" & expected & "]"
End Sub

Dim folder, fso, shell, sys, reg
folder = WScript.Arguments(0)
Set fso = CreateObject("Scripting.FileSystemObject")
Set shell = CreateObject("WScript.Shell")
Set sys = CreateObject("Pelmar.SysCls")
Set reg = CreateObject("Pelmar.RegCls")

' System queries.
Check "OSPlatform", Left(sys.OSPlatform, 28), "Microsoft Windows NT - Ver: "
Check "IsAppRunning cscript", sys.IsAppRunning("CSCRIPT"), True
Check "IsAppRunning nothing", sys.IsAppRunning("no-such-program.exe"), False
Check "LongDate", sys.LongDate, CLng(Fix(CDbl(Date)))
Check "LongTime within a day", VarType(sys.LongTime) = vbDouble And sys.LongTime < 1, True
Check "IsNumber", sys.IsNumber("-3.5"), True

' INI keys: the request names the file, section, key and value.
Dim ini, windowsIni
ini = folder & "\script.cfg"
Check "SetINIKey", sys.SetINIKey(ini & "|Main|Path|c:\x|extra"), True
Check "GetINIKey", sys.GetINIKey(ini & "|Main|Path"), "c:\x"
Check "SetINIKey long", sys.SetINIKey(ini & "|Main|Long|" & String(200, "x")), True
Check "GetINIKey at most 127 characters", sys.GetINIKey(ini & "|Main|Long"), String(127, "x")
Check "SetINIKey bare name", sys.SetINIKey("PelmarScript|Main|Path|"), True
windowsIni = fso.GetSpecialFolder(0) & "\PelmarScript.Ini"
Check "bare name in the Windows folder", fso.FileExists(windowsIni), True
fso.DeleteFile windowsIni

' Files and folders: hidden files and folders are neither counted nor found.
Dim name
For Each name In Array("a.txt", "b.TXT", "h.txt")
  fso.CreateTextFile(folder & "\" & name).Close
Next
fso.GetFile(folder & "\h.txt").Attributes = 2
fso.CreateFolder folder & "\sub"
Check "GetFileCount", sys.GetFileCount(folder, "txt"), 2
Check "FileExists pattern", sys.FileExists(folder & "\*.cfg"), True
Check "FileExists hidden", sys.FileExists(folder & "\h.txt"), False
Check "FileExists folder", sys.FileExists(folder & "\sub"), False
Check "DirExists", sys.DirExists(folder & "\sub\"), True
Check "DirExists missing", sys.DirExists(folder & "\gone\"), False
Check "DirExists below a missing folder", sys.DirExists(folder & "\gone\x"), False
Check "DirExists of a missing entry", sys.DirExists(folder & "\anything"), True

' Attributes; the platform reports every file as archived, so that bit is left out.
Dim file
file = folder & "\a.txt"
fso.GetFile(file).Attributes = 32
Check "GetFileAttrib", sys.GetFileAttrib(file), 32
sys.SetFileAttrib file, 3
Check "SetFileAttrib", fso.GetFile(file).Attributes And 31, 3
sys.SetFileAttrib file, 0
Check "SetFileAttrib none", fso.GetFile(file).Attributes And 31, 0
Check "GetFileAttrib folder", sys.GetFileAttrib(folder & "\sub"), 16
Check "GetFileAttrib missing", sys.GetFileAttrib(folder & "\none"), 0

' A script's variables are Variants: one goes to the typed FmtType in
' parentheses, that is by value.
Dim dateType
dateType = 4
Check "GetFileDate", Len(sys.GetFileDate(ini, (dateType))), 8
Check "GetFileTime 24hr Short", Len(sys.GetFileTime(ini, 4)), 5

'' Registry access: text is stored as text, everything else as a 32-bit number.
Function StoredValue(name)
  Dim value
  value = shell.RegRead("HKCU\Software\PelmarScriptTest\" & name)
  StoredValue = TypeName(value) & " " & value
End Function

Check "HKeyRoot of a new object", reg.HKeyRoot, 0
reg.HRootSubKey = "\Software\PelmarScriptTest\"
Check "HRootSubKey", reg.HRootSubKey, "Software\PelmarScriptTest"
Check "GetDataKeyValue of a missing key", IsEmpty(reg.GetDataKeyValue("Missing")), True
Check "HKeyRoot defaulted on first use", reg.HKeyRoot, -2147483647
' The first store creates the key; the value name's backslashes are stripped.
Dim store
For Each store In Array(Array("Half", 3.5, "Long 4"), Array("\Name", "123", "String 123"), _
                        Array("Long", CLng(-123), "Long -123"), Array("Flag", True, "Long -1"))
  Check "SetDataKeyValue " & store(0), reg.SetDataKeyValue(store(0), store(1)), True
  Check "stored " & store(0), StoredValue(Replace(store(0), "\", "")), store(2)
Next
Check "GetDataKeyValue number", reg.GetDataKeyValue("Long"), -123
Check "GetDataKeyValue text", TypeName(reg.GetDataKeyValue("Name")) & reg.GetDataKeyValue("Name"), "String123"
shell.RegWrite "HKCU\Software\PelmarScriptTest\Raw", 1, "REG_BINARY"
Check "GetDataKeyValue binary", IsEmpty(reg.GetDataKeyValue("Raw")), True
Check "GetDataKeyValue missing", IsEmpty(reg.GetDataKeyValue("Missing")), True

' CreateRegKey on a new object: its own root defaulted, its key path left alone.
Dim other
Set other = CreateObject("Pelmar.RegCls")
Check "CreateRegKey", other.CreateRegKey("\Software\PelmarScriptTest\Child\"), True
Check "CreateRegKey existing", other.CreateRegKey("Software\PelmarScriptTest\Child"), False
Check "CreateRegKey defaults HKeyRoot", other.HKeyRoot, -2147483647
Check "each object has its own key", other.HRootSubKey, ""
' RootKey left out or 0: the current user's root for that call, whatever HKeyRoot says.
reg.HKeyRoot = -2147483646
Check "IsKeyValid", reg.IsKeyValid("\Software\PelmarScriptTest\Child\"), True
Check "IsKeyValid leaves HKeyRoot", reg.HKeyRoot, -2147483646
Check "DeleteKey with a subkey", reg.DeleteKey("Software\PelmarScriptTest"), False
Check "DeleteData", reg.DeleteData("\Software\PelmarScriptTest\", "Name"), True
Check "DeleteKey", reg.DeleteKey("\Software\PelmarScriptTest\Child\"), True
reg.HKeyRoot = 0

' The raising regime: number and description as a script sees them.
On Error Resume Next
reg.SetDataKeyValue "Bad", Null
Check "Err.Number", Err.Number, 1004
Check "Err.Description", Err.Description, "Failed to open registry key(s) 'Software\PelmarScriptTest'."
Err.Clear
' An absorbing member raises nothing, whatever its arguments.
Check "GetINIKey absorbs", sys.GetINIKey(""), ""
Check "no error from absorbing members", Err.Number, 0
On Error GoTo 0

Check "DeleteKey", reg.DeleteKey("Software\PelmarScriptTest"), True

WScript.Echo passed & " passed, " & failed & " failed"
WScript.Quit failed
