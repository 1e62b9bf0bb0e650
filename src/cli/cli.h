#pragma once
// The vrn command. Every command drives the automation object through its
// dispatch entry, as AutoCAD does through COM; drawings are DXF files.
//
//   vrn acadtostr KIND TEXT                  vrn strtoacad TYPE TEXT
//   vrn acadtostr KIND HANDLE --drawing FILE vrn strtoacad KIND HANDLE --drawing FILE [-o OUT]
//   vrn texts FILE [--json]
//   vrn fonts                                vrn fonts set FONT TYPE
//   vrn db-exec DB SQL                       vrn db-table DB SQL
//   vrn call FILE MEMBER [ARGS...] [-o OUT]
//
// Every command takes --data-dir DIR and --font-map FILE, before or after
// its name (vrn --data-dir D texts F = vrn texts F --data-dir D). Texts on
// the command line and in the output are UTF-8. Exit status: 0 on success,
// 1 when the work failed, 2 for a malformed command line; every error goes
// to `err`. With showProgress, long work keeps a status line on `err`.

#include <ostream>

namespace vrn::cli {

int run(int argc, const char* const* argv, std::ostream& out, std::ostream& err,
        bool showProgress = false);

}  // namespace vrn::cli
