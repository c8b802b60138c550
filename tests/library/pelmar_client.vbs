' A script client of Pelmar: creates both classes by name, calls their members
' and checks the error the library raises. Prints "N passed, M failed".
Option Explicit

Dim passed, failed
passed = 0
failed = 0

Sub Check(description, actual, expected)
  If actual = expected Then
    passed = passed + 1
  Else
    failed = failed + 1
    WScript.Echo "FAILED: " & description & ": got [" & actual & "], expected [" & expected & "]"
  End If
End Sub

Dim folder
folder = WScript.Arguments(0)

Dim sys, reg
Set sys = CreateObject("Pelmar.SysCls")
Set reg = CreateObject("Pelmar.RegCls")
Check "SysCls created", IsObject(sys), True
Check "RegCls created", IsObject(reg), True

' System queries.
Check "IsNT", sys.IsNT(), True
Check "OSPlatform", Left(sys.OSPlatform, 28), "Microsoft Windows NT - Ver: "
Check "TotalMemory", Right(sys.TotalMemory, 19), " Bytes Total Memory"
Check "AvailMemory", Right(sys.AvailMemory, 23), " Bytes Available Memory"
Check "CPUType", Right(sys.CPUType, 24), "or Compatible Processor."
Check "IsAppRunning cscript", sys.IsAppRunning("CSCRIPT"), True
Check "IsAppRunning nothing", sys.IsAppRunning("no-such-program.exe"), False
Check "LongDate", sys.LongDate, CLng(Fix(CDbl(Date)))
Check "LongTime in a day", sys.LongTime >= 0 And sys.LongTime < 1, True

' INI, file and text utilities.
Dim ini
ini = folder & "\script.cfg"
Check "SetINIKey", sys.SetINIKey(ini & "|Main|Path|c:\x|extra"), True
Check "GetINIKey", sys.GetINIKey(ini & "|Main|Path"), "c:\x"
Check "GetINIKey too few parts", sys.GetINIKey(ini & "|Main"), ""
Check "SetINIKey too few parts", sys.SetINIKey(ini & "|Main|Path"), False
Check "FileExists", sys.FileExists(ini), True
Check "FileExists missing", sys.FileExists(folder & "\none.cfg"), False
Check "GetFileCount", sys.GetFileCount(folder, "cfg"), 1
Check "DirExists", sys.DirExists(folder & "\"), True
Check "DirExists missing", sys.DirExists(folder & "\gone\"), False
Check "GetFileExt", sys.GetFileExt("Report.Final.Doc"), "Doc"
Check "IsNumber", sys.IsNumber("-3.5"), True
Check "IsNumber letters", sys.IsNumber("12a"), False
Check "GetFileDate of a missing file", sys.GetFileDate(folder & "\none.cfg", 1), ""
' A script's variables are Variants: one goes to the typed FmtType in
' parentheses, that is by value.
Dim dateType
dateType = 4
Check "GetFileDate", Len(sys.GetFileDate(ini, (dateType))), 8
Check "GetFileTime 24hr Short", Len(sys.GetFileTime(ini, 4)), 5
Check "GetFileAttrib", sys.GetFileAttrib(ini) And 1, 0
sys.SetFileAttrib ini, 1
Check "SetFileAttrib", sys.GetFileAttrib(ini) And 1, 1
sys.SetFileAttrib ini, 0

' Registry access.
Check "HKeyRoot of a new object", reg.HKeyRoot, 0
reg.HRootSubKey = "\Software\PelmarScriptTest\"
Check "HRootSubKey", reg.HRootSubKey, "Software\PelmarScriptTest"
Check "SetDataKeyValue creates the key and stores", reg.SetDataKeyValue("Count", 2.5), True
Check "HKeyRoot defaulted", reg.HKeyRoot, -2147483647
Check "GetDataKeyValue number", reg.GetDataKeyValue("Count"), 2
Check "SetDataKeyValue text", reg.SetDataKeyValue("\Name", "abc"), True
Check "GetDataKeyValue text", reg.GetDataKeyValue("Name"), "abc"
Check "GetDataKeyValue missing", IsEmpty(reg.GetDataKeyValue("Missing")), True
Check "IsKeyValid", reg.IsKeyValid("Software\PelmarScriptTest"), True
Check "CreateRegKey existing", reg.CreateRegKey("Software\PelmarScriptTest"), False
Check "DeleteData", reg.DeleteData("Software\PelmarScriptTest", "Name"), True

' The raising regime: number and description as a script sees them.
On Error Resume Next
Dim stored
stored = reg.SetDataKeyValue("Bad", Null)
Check "Err.Number", Err.Number, 1004
Check "Err.Description", Err.Description, "Failed to open registry key(s) 'Software\PelmarScriptTest'."
Err.Clear
' An absorbing member raises nothing, whatever its arguments.
Check "GetINIKey absorbs", sys.GetINIKey(""), ""
Check "no error from absorbing members", Err.Number, 0
On Error GoTo 0

Check "DeleteKey", reg.DeleteKey("Software\PelmarScriptTest"), True
Check "IsKeyValid after delete", reg.IsKeyValid("Software\PelmarScriptTest"), False

WScript.Echo passed & " passed, " & failed & " failed"
WScript.Quit failed
