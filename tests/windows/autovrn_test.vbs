' vrn.autovrn from VBScript, late-bound through its type library.
' Argument: a work folder holding sample.dxf; the script writes a database
' and a saved drawing there. The last line is "N passed, N failed": cscript
' exits 0 even when a script dies, so the harness reads that line.
Option Explicit

Dim passed, failed, work
passed = 0
failed = 0
work = WScript.Arguments(0)

Sub Check(name, ok)
  If ok Then
    passed = passed + 1
  Else
    failed = failed + 1
    WScript.Echo "FAIL: " & name
  End If
End Sub

' Err after a call that must fail: a negative HRESULT, a description and our source.
Sub CheckFailure(name, number)
  Check name & ": fails", Err.Number <> 0
  If number <> 0 Then Check name & ": HRESULT " & Hex(number) & " (got " & Hex(Err.Number) & ")", Err.Number = number
  Check name & ": has a description", Len(Err.Description) > 0
  Err.Clear
End Sub

Const E_UNEXPECTED = &H8000FFFF
Const E_NOTIMPL = &H80004001

Dim v, v2, i
Set v = CreateObject("vrn.autovrn")
Check "Vrnstr is empty before any conversion", v.Vrnstr = ""

' Conversions of the text itself (kind up to 10).
v.acadtostr "a(b)<c>", 0
Check "acadtostr of Latin text with kind 0 swaps the brackets", v.Vrnstr = "a)b(>c<"
v.strtoacad "(x)", 4
Check "strtoacad with type 4 keeps the brackets", v.Vrnstr = "(x)"
v.strtoacad "", 3
Check "strtoacad of an empty text", v.Vrnstr = ""
For Each i In Array(5, 10, -1, -128)
  v.acadtostr "abc", 3
  v.acadtostr "abc", i
  Check "acadtostr with kind " & i & " empties Vrnstr", v.Vrnstr = ""
Next
v.strtoacad "abc", CByte(200)
Check "CByte(200) arrives as -56 and empties Vrnstr", v.Vrnstr = ""

' One-byte parameters: a value outside -128..127 overflows before the call.
On Error Resume Next
v.acadtostr "abc", 0
v.acadtostr "abc", 200
Check "kind 200 overflows (Err 6)", Err.Number = 6
Err.Clear
Check "Vrnstr unchanged after the overflow", v.Vrnstr = "abc"

' Module state shared by every object.
Set v2 = CreateObject("vrn.autovrn")
v.acadtostr "shared", 3
Check "a second object reads the first one's Vrnstr", v2.Vrnstr = "shared"
v.aver = "R24"
Check "aver is a property put", Err.Number = 0
v.acadversin "R24.1"
Check "acadversin", Err.Number = 0
Err.Clear

' Cmd and the library database.
Dim db
db = work & "\lib.db"
v.Cmd "db_sqlexec", db, "CREATE TABLE t(a, b)"
v.Cmd "db_sqlexec", db, "INSERT INTO t VALUES(1, 'say ""hi""')"
v.Cmd "db_sqlexec", db, "INSERT INTO t VALUES(2, NULL)"
Check "db_sqlexec succeeds", Err.Number = 0
v.Cmd "db_gettable", db, "SELECT a, b FROM t ORDER BY a"
Check "db_gettable: rows in quotes, CR LF after each (got " & v.Vrnstr & ")", _
  v.Vrnstr = """1"" ""say \""hi\""""" & vbCrLf & """2"" """"" & vbCrLf
v.Cmd "db_gettable", db, "SELECT a FROM t WHERE a > 5"
Check "db_gettable without rows empties Vrnstr", v.Vrnstr = ""
v.Cmd "DB_SQLEXEC", db, "DROP TABLE t"
Check "a name in capitals does nothing", Err.Number = 0
v.Cmd "db_gettable", db, "SELECT count(*) FROM t"
Check "the table is still there", v.Vrnstr = """2""" & vbCrLf
v.Cmd "no_such_command", "", ""
Check "an unknown sub-command succeeds", Err.Number = 0
v.Cmd "db_sqlexec", db, "THIS IS NOT SQL"
CheckFailure "db_sqlexec with a bad statement", E_UNEXPECTED
v.Cmd "set_lang", "HEB", ""
Check "set_lang Hebrew", Err.Number = 0
v.Cmd "set_lang", "", ""
Check "set_lang English", Err.Number = 0
Err.Clear

' Members that need the host fail before SetApp, with the reason.
v.newtext "2F"
CheckFailure "newtext before SetApp", E_UNEXPECTED
v.acadtostr "2F", 12
CheckFailure "acadtostr by handle before SetApp", E_UNEXPECTED
v.edit "2F"
Check "Err.Source is vrn.autovrn", Err.Source = "vrn.autovrn"
Err.Clear

' A VBScript object as the application: Wine's VBScript answers
' GetIDsOfNames with E_NOTIMPL, so the calls go through IDispatchEx.
Class ScriptApp
  Public Calls
  Public Property Get Version
    Calls = Calls + 1
    Err.Raise vbObjectError + 77, "ScriptApp", "no version here"
  End Property
End Class
Dim scriptApp
Set scriptApp = New ScriptApp
scriptApp.Calls = 0
v.SetApp scriptApp
v.acadtostr "2F", 12
Check "a script object's property is reached (" & scriptApp.Calls & " calls)", scriptApp.Calls = 1
CheckFailure "the script object's error comes back", vbObjectError + 77

' The test drawing host stands in for AutoCAD.
Dim app, doc, ms, e, stored, converted, texts
Set app = CreateObject("vrn.testhost")
Set doc = app.Documents.Open(work & "\sample.dxf")
Check "the drawing opens", Err.Number = 0
v.SetApp app
Check "SetApp", Err.Number = 0

' No display runs here, so no form can show: each member that opens one reports it.
v.FontTable
CheckFailure "FontTable", 0
v.replace
CheckFailure "replace", 0
v.HtoMtext
CheckFailure "HtoMtext", 0
v.Hlib
CheckFailure "Hlib", 0
v.Convert
CheckFailure "Convert", 0
v.mtext ""
CheckFailure "mtext", 0
v.block "FFFFFF"
CheckFailure "block", 0
v.Cmd "about_vrn", "", ""
CheckFailure "Cmd about_vrn", 0
v.Cmd "hfont_convert", "", ""
CheckFailure "Cmd hfont_convert", 0

' By handle: read with kind 11, store the logical text, write back with kind
' 11. TrueType texts are left out: their pair of conversions is no round trip.
Set ms = doc.ModelSpace
texts = 0
For i = 0 To ms.Count - 1
  Set e = ms.Item(i)
  ' Nested: VBScript evaluates both sides of an And.
  If e.ObjectName = "AcDbText" Then
    If e.StyleName <> "HEB-TTF" Then
      stored = e.TextString
      v.acadtostr e.Handle, 11
      converted = v.Vrnstr
      Check "acadtostr of " & e.Handle, Err.Number = 0
      e.TextString = converted
      v.strtoacad e.Handle, 11
      Check "strtoacad of " & e.Handle & " gives the stored form back", v.Vrnstr = stored
      Check "strtoacad of " & e.Handle & " writes the stored form", e.TextString = stored
      Err.Clear
      texts = texts + 1
    End If
  End If
Next
Check "every single-line text was converted (" & texts & ")", texts >= 7

' A line is no text: nothing happens.
v.acadtostr "keep", 3
For i = 0 To ms.Count - 1
  Set e = ms.Item(i)
  If e.ObjectName = "AcDbLine" Then Exit For
Next
v.acadtostr e.Handle, 11
Check "a line leaves Vrnstr as it was", Err.Number = 0 And v.Vrnstr = "keep"
v.acadtostr "FFFFFF", 12
CheckFailure "a handle that names nothing", 0
Check "Vrnstr keeps its value after the failure", v.Vrnstr = "keep"

' The converted drawing saves and reads back.
doc.SaveAs work & "\saved.dxf"
Check "SaveAs", Err.Number = 0
Dim again
Set again = app.Documents.Open(work & "\saved.dxf")
Check "the saved drawing opens", Err.Number = 0 And again.ModelSpace.Count = ms.Count

' The drawing-wide members work on the active drawing (the one opened last):
' the chart stays drawn while its alert is unanswered.
Dim before
Set ms = app.ActiveDocument.ModelSpace
before = ms.Count
v.HShowfont
Check "HShowfont draws the chart (" & (ms.Count - before) & " new entities)", Err.Number = 0 And ms.Count > before
Err.Clear
v.Hplot
Check "Hplot prepares the drawing for plotting", Err.Number = 0
Err.Clear

v.SetApp Nothing
Set app = Nothing
WScript.Echo passed & " passed, " & failed & " failed"
