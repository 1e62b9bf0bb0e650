' The host calls that HTEXT in autocad/vrn.lsp makes to create the text it
' hands to newtext, made here through COM against the test drawing host.
' Argument: a work folder holding sample.dxf. The last line is
' "N passed, N failed" (cscript exits 0 even when a script dies).
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

' A failing call must not end the script before its summary line.
On Error Resume Next
Dim app, doc, v, space, style, height, text, handle, count, gone
Set app = CreateObject("vrn.testhost")
Set doc = app.Documents.Open(WScript.Arguments(0) & "\sample.dxf")
Set v = CreateObject("vrn.autovrn")
v.SetApp app
v.aver = doc.GetVariable("ACADVER")
Check "SetApp and aver", Err.Number = 0

' vrn:current-space: model space unless a layout is active outside a viewport.
If doc.GetVariable("TILEMODE") = 0 And doc.GetVariable("CVPORT") = 1 Then
  Set space = doc.PaperSpace
Else
  Set space = doc.ModelSpace
End If
count = space.Count
' vrn:text-height: the style's fixed height, else TEXTSIZE.
style = doc.GetVariable("TEXTSTYLE")
height = doc.TextStyles.Item(style).Height
If height <= 0 Then height = doc.GetVariable("TEXTSIZE")

' vrn:add-empty-text
doc.StartUndoMark
Set text = space.AddText("", Array(120.0, 45.5, 0.0), height)
text.StyleName = doc.GetVariable("TEXTSTYLE")
doc.EndUndoMark
handle = text.Handle
Check "AddText of an empty text", Err.Number = 0 And space.Count = count + 1

Dim found
Set found = doc.HandleToObject(handle)
Check "the new entity is a single-line text", found.ObjectName = "AcDbText"
Check "it is empty", found.TextString = ""
Check "it has the current style", found.StyleName = style
Check "it has the height", Abs(found.Height - height) < 1E-9

' What newtext reads first: the text by handle, in the style's font type.
v.acadtostr handle, 11
Check "vrn reads the new text by its handle", Err.Number = 0 And v.Vrnstr = ""

' One undo step takes the whole creation back.
doc.SendCommand "_U "
Err.Clear
gone = doc.HandleToObject(handle) Is Nothing
gone = gone Or Err.Number <> 0
Err.Clear
Check "one U removes the new text", gone And space.Count = count

v.SetApp Nothing
WScript.Echo passed & " passed, " & failed & " failed"
