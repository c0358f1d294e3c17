// `notavo-sim dialog`: opens score files as documents, loads the plug-in as
// the host would, chooses its menu item, and runs a script of user actions
// against the real dialogs over the headless stand-in; then saves the
// changed scores as `replace` does.
#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace tavrel::sim {

extern const char kDialogSynopsis[];
extern const char kDialogSummary[];

// The whole command; the script comes from --script FILE or from in.
// Returns the exit status.
int RunDialog(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
              std::ostream& err);
// The same on the standard streams, for the command table.
int RunDialog(const std::vector<std::string>& args);

}  // namespace tavrel::sim
