' A script client of Pelmar: creates both classes by name, calls members of
' each kind and checks the error the library raises. Prints "N passed, M failed".
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

Dim folder, ini, sys, reg
folder = WScript.Arguments(0)
ini = folder & "\script.cfg"
Set sys = CreateObject("Pelmar.SysCls")
Set reg = CreateObject("Pelmar.RegCls")

Check "OSPlatform", Left(sys.OSPlatform, 28), "Microsoft Windows NT - Ver: "
Check "IsAppRunning cscript", sys.IsAppRunning("CSCRIPT"), True
Check "LongDate", sys.LongDate, CLng(Fix(CDbl(Date)))
Check "SetINIKey", sys.SetINIKey(ini & "|Main|Path|c:\x|extra"), True
Check "GetINIKey", sys.GetINIKey(ini & "|Main|Path"), "c:\x"
Check "GetFileCount", sys.GetFileCount(folder, "cfg"), 1
Check "IsNumber", sys.IsNumber("-3.5"), True
' A script's variables are Variants: one goes to the typed FmtType in
' parentheses, that is by value.
Dim dateType
dateType = 4
Check "GetFileDate", Len(sys.GetFileDate(ini, (dateType))), 8
Check "GetFileTime 24hr Short", Len(sys.GetFileTime(ini, 4)), 5
sys.SetFileAttrib ini, 1
Check "SetFileAttrib", sys.GetFileAttrib(ini) And 1, 1
sys.SetFileAttrib ini, 0

reg.HRootSubKey = "\Software\PelmarScriptTest\"
Check "HRootSubKey", reg.HRootSubKey, "Software\PelmarScriptTest"
Check "SetDataKeyValue number", reg.SetDataKeyValue("Count", 2.5), True
Check "GetDataKeyValue number", reg.GetDataKeyValue("Count"), 2
Check "SetDataKeyValue text", reg.SetDataKeyValue("Name", "abc"), True
Check "GetDataKeyValue text", reg.GetDataKeyValue("Name"), "abc"
Check "GetDataKeyValue missing", IsEmpty(reg.GetDataKeyValue("Missing")), True

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

WScript.Echo passed & " passed, " & failed & " failed"
WScript.Quit failed
