// vrn.autovrn from JScript: Hebrew text through the members, the drawing's
// texts read in reading order by handle, errors as exceptions.
// Argument: a work folder holding sample.dxf. The last line is
// "N passed, N failed", which the harness reads.
var passed = 0, failed = 0;
var work = WScript.Arguments(0);

function check(name, ok) {
  if (ok) {
    passed++;
  } else {
    failed++;
    WScript.Echo("FAIL: " + name);
  }
}

function codes(s) {
  var out = [];
  for (var i = 0; i < s.length; i++) out.push(s.charCodeAt(i).toString(16));
  return out.join(" ");
}

// The error that a call raises, or null.
function errorOf(call) {
  try {
    call();
  } catch (e) {
    return e;
  }
  return null;
}

var v = new ActiveXObject("vrn.autovrn");
check("Vrnstr is empty at first", v.Vrnstr === "");

// Hebrew through the string forms of the members.
var shalom = "\u05E9\u05DC\u05D5\u05DD";
var mixed = "\u05E9\u05DC\u05D5\u05DD abc 123";
var kinds = [0, 3];
for (var k = 0; k < kinds.length; k++) {
  v.strtoacad(mixed, kinds[k]);
  var stored = v.Vrnstr;
  check("strtoacad type " + kinds[k] + " changes the text", stored !== mixed && stored.length === mixed.length);
  v.acadtostr(stored, kinds[k]);
  check("acadtostr undoes strtoacad for type " + kinds[k] + " (got " + codes(v.Vrnstr) + ")", v.Vrnstr === mixed);
}
v.strtoacad(shalom, 3);
check("a Hebrew word is stored backwards in Windows letters", v.Vrnstr === "\u05DD\u05D5\u05DC\u05E9");
v.strtoacad(shalom, 0);
// DOS letters 8D 85 8C 99, read back through Windows-1255.
check("DOS letters come back backwards (got " + codes(v.Vrnstr) + ")", v.Vrnstr === "\u008D\u2026\u008C\u2122");
v.strtoacad("x", -5);
check("a negative type gives an empty Vrnstr", v.Vrnstr === "");

// Failures arrive as exceptions with the HRESULT and the description.
var e = errorOf(function () { v.acadtostr("abc", 300); });
check("kind 300 does not fit one byte", e !== null);
e = errorOf(function () { v.acadtostr("2F", 12); });
check("by handle without SetApp fails with E_UNEXPECTED",
      e !== null && (e.number >>> 0) === 0x8000FFFF);
check("... with a description", e !== null && e.description.length > 0);
e = errorOf(function () { v.FontTable(); });
// No display here: the form's window cannot be made, and the call says so.
check("FontTable without a display fails with the reason (got " + (e && e.description) + ")",
      e !== null && /cannot create the window of TfrmFonts/.test(e.description));

// The drawing host: every single-line text in reading order, by handle.
var app = new ActiveXObject("vrn.testhost");
var doc = app.Documents.Open(work + "\\sample.dxf");
v.SetApp(app);
var expected = [
  "\u05E1\u05DC\u05D5\u05DF",                                 // living room (DOS)
  "\u05DE\u05D8\u05D1\u05D7",                                 // kitchen (keys)
  "\u05D7\u05D3\u05E8 \u05E9\u05D9\u05E0\u05D4",              // bedroom (keys, reversed)
  "\u05D0\u05DE\u05D1\u05D8\u05D9\u05D4",                     // bath (Windows)
  "\u05DE\u05E8\u05E4\u05E1\u05EA \u05E9\u05D9\u05E8\u05D5\u05EA",  // utility balcony (TrueType)
  "\u05DE\u05D7\u05E1\u05DF",                                 // storage (backward style)
  "\u05DE\u05E1\u05D3\u05E8\u05D5\u05DF",                     // corridor
  "\u05E6\u05E4\u05D5\u05DF",                                 // north
  "\u05E9\u05D8\u05D7 24.5"                                   // area with a number
];
var found = {};
var ms = doc.ModelSpace;
for (var i = 0; i < ms.Count; i++) {
  var ent = ms.Item(i);
  if (ent.ObjectName !== "AcDbText") continue;
  v.acadtostr(ent.Handle, 12);
  found[v.Vrnstr] = ent.Handle;
}
for (var j = 0; j < expected.length; j++) {
  check("a text reads " + codes(expected[j]), found.hasOwnProperty(expected[j]));
}

// strtoacad by handle writes the stored form into the entity.
var text = doc.HandleToObject(found[expected[3]]);
var before = text.TextString;
text.TextString = expected[3];
v.strtoacad(text.Handle, 12);
check("strtoacad by handle writes the stored form", text.TextString === before && v.Vrnstr === before);

e = errorOf(function () { v.strtoacad("FFFFFF", 12); });
check("an unknown handle fails with a description", e !== null && e.description.length > 0);

// JScript's null is VT_NULL, which OLE does not turn into an IDispatch
// parameter: a JScript client lets go of the application by ending.
check("SetApp(null) is a type mismatch", errorOf(function () { v.SetApp(null); }) !== null);
WScript.Echo(passed + " passed, " + failed + " failed");
