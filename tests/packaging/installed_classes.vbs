' Creates both Pelmar classes by name, as registered by the installer package,
' and asks each a question whose answer the package fixed: prints "installed
' classes work" when both answer right.
Option Explicit
Dim folder, sys, reg
folder = WScript.Arguments(0)
Set sys = CreateObject("Pelmar.SysCls")
Set reg = CreateObject("Pelmar.RegCls")
reg.HRootSubKey = "\Software\Lomvex\"
If sys.FileExists(folder & "\Lomvex.exe") And reg.GetDataKeyValue("InstallFolder") = folder & "\" Then
  WScript.Echo "installed classes work"
Else
  WScript.Echo "installed classes answered wrongly: " & reg.GetDataKeyValue("InstallFolder")
End If
