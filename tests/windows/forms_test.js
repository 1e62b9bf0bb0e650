// Opens one form through vrn.autovrn over the test drawing host, for the
// window tests: the scripted user (VRN_TEST_UI_SCRIPT) plays in the real
// windows, and the drawing is saved afterwards for comparison with the
// headless run.
// Arguments: the drawing, where to save it, the member, its argument:
//   edit HANDLE | newtext HANDLE | FontTable | about
// The last line is "N passed, N failed", which the harness reads.
var passed = 0, failed = 0;
var args = WScript.Arguments;

function check(name, ok) {
  if (ok) {
    passed++;
  } else {
    failed++;
    WScript.Echo("FAIL: " + name);
  }
}

try {
  var app = new ActiveXObject("vrn.testhost");
  var doc = app.Documents.Open(args(0));
  var v = new ActiveXObject("vrn.autovrn");
  v.SetApp(app);
  var member = args(2);
  if (member === "edit") v.edit(args(3));
  else if (member === "newtext") v.newtext(args(3));
  else if (member === "FontTable") v.FontTable();
  else if (member === "about") v.Cmd("about_vrn", "", "");
  check(member + " returns", true);
  doc.SaveAs(args(1));
  check("the drawing is saved", true);
} catch (e) {
  check("no error: " + e.message + " (" + (e.number >>> 0).toString(16) + ")", false);
}
WScript.Echo(passed + " passed, " + failed + " failed");
