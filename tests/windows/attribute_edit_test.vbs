' The attribute editor through vrn.dll over the test drawing host, with the
' user of VRN_TEST_UI_SCRIPT in its windows: the plan's room tag takes its
' value history from the current user's registry, the user chooses "Lab",
' types an area and asks for another block; then edits the title block and
' cancels. The values are read back through the host and through vrn.dll.
' Arguments: a work folder holding sample.dxf, and the area the user types
' (Hebrew, in reading order: Wine's VBScript has no ChrW to spell it here).
' The last line is "N passed, N failed" (cscript exits 0 even when a script
' dies).
Option Explicit

Dim passed, failed
passed = 0
failed = 0

' Reports the error of the step checked, if any, and clears it.
Sub Check(name, ok)
  If ok Then
    passed = passed + 1
  Else
    failed = failed + 1
    WScript.Echo "FAIL: " & name & " (" & Hex(Err.Number) & " " & Err.Description & ")"
  End If
  Err.Clear
End Sub

On Error Resume Next
Dim app, doc, v, project, area
Set app = CreateObject("vrn.testhost")
Set doc = app.Documents.Open(WScript.Arguments(0) & "\sample.dxf")
Set v = CreateObject("vrn.autovrn")
v.SetApp app
Check "SetApp", Err.Number = 0

' ROOM-TAG (DE): ROOM (E0), NAME (E1), AREA (E2).
v.block "DE"
Check "block on the room tag returns", Err.Number = 0
Check "Select another block leaves NEXT in Vrnstr", v.Vrnstr = "NEXT"
Check "ROOM holds the history's stored value 2", doc.HandleToObject("E0").TextString = "2"
v.acadtostr "E1", 11
Check "NAME reads Lab", v.Vrnstr = "Lab"
area = WScript.Arguments(1)
v.acadtostr "E2", 11
Check "AREA reads the Hebrew typed", v.Vrnstr = area
Check "AREA is stored in the DOS letters of its font", _
  doc.HandleToObject("E2").TextString <> area And Len(doc.HandleToObject("E2").TextString) = Len(area)

' TITLE-HEB (D2): Cancel writes nothing and empties Vrnstr.
project = doc.HandleToObject("D4").TextString
v.block "D2"
Check "block on the title block returns", Err.Number = 0
Check "Cancel writes nothing", doc.HandleToObject("D4").TextString = project
Check "Vrnstr is empty again", v.Vrnstr = ""

WScript.Echo passed & " passed, " & failed & " failed"
