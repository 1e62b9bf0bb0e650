' Opens one form through vrn.autovrn over the test drawing host, for the
' window tests: the scripted user named by VRN_TEST_UI_SCRIPT plays in the
' real windows, and the drawing is saved afterwards, to be compared with
' the headless run of the same script.
' Arguments: the drawing, where to save it, the member, its argument:
'   newtext STYLE  (a new empty text at 300,300 as the AutoCAD-side routine
'                   makes it, then newtext on it, as `vrn newtext` does)
'   edit HANDLE | block HANDLE | mtext HANDLE | FontTable | about | hfont_convert | Convert | Hlib
'   replace "HANDLE ..."  (the texts picked at the "Select objects" prompt)
' The last line is "N passed, N failed", which the harness reads.
Option Explicit
Dim passed, failed, app, doc, v, member, text
passed = 0
failed = 0

Sub Check(name, ok)
  If ok Then
    passed = passed + 1
  Else
    failed = failed + 1
    WScript.Echo "FAIL: " & name
  End If
End Sub

Set app = CreateObject("vrn.testhost")
Set doc = app.Documents.Open(WScript.Arguments(0))
Set v = CreateObject("vrn.autovrn")
v.SetApp app
member = WScript.Arguments(2)

On Error Resume Next
Select Case member
  Case "newtext"
    doc.StartUndoMark
    doc.SetVariable "TEXTSTYLE", WScript.Arguments(3)
    Set text = doc.ModelSpace.AddText("", Array(300.0, 300.0, 0.0), doc.GetVariable("TEXTSIZE"))
    text.StyleName = WScript.Arguments(3)
    doc.EndUndoMark
    Check "the new text is made (" & Err.Description & ")", Err.Number = 0
    v.newtext text.Handle
  Case "edit"
    v.edit WScript.Arguments(3)
  Case "block"
    v.block WScript.Arguments(3)
  Case "mtext"
    v.mtext WScript.Arguments(3)
  Case "replace"
    ' The handles answer the "Select objects" prompt, as the user picks them.
    app.QueueSelection WScript.Arguments(3)
    v.replace
  Case "Hlib"
    v.Hlib
  Case "FontTable"
    v.FontTable
  Case "about"
    v.Cmd "about_vrn", "", ""
  Case "hfont_convert"
    v.Cmd "hfont_convert", "", ""
  Case "Convert"
    v.Convert
End Select
Check member & " returns (" & Err.Description & ")", Err.Number = 0
Err.Clear
doc.SaveAs WScript.Arguments(1)
Check "the drawing is saved (" & Err.Description & ")", Err.Number = 0
WScript.Echo passed & " passed, " & failed & " failed"
