// The script of a `notavo-sim dialog` session: one user action a line, run
// against the dialog on top through the headless stand-in's automation. A
// modal dialog opened by an action takes the following lines until one of
// them closes it; the host's alerts are printed as they are shown.
#pragma once

#include <cstddef>
#include <ostream>
#include <string>
#include <vector>

namespace tavrel {
class Uwindow;
}

namespace tavrel::sim {

class DialogScript {
  public:
    // name stands for the script in messages ("FILE" or "stdin").
    DialogScript(std::string name, std::vector<std::string> lines, std::ostream& out);
    DialogScript(const DialogScript&) = delete;
    DialogScript& operator=(const DialogScript&) = delete;
    ~DialogScript();

    // Runs every line. False at the first bad one, with Error() saying
    // "SCRIPT:LINE: what is wrong"; the lines after it are not run.
    bool Run();
    const std::string& Error() const { return error_; }

  private:
    // Runs lines until the script ends, a line is bad, or modal (when
    // given) has closed.
    void RunLines(const Uwindow* modal);
    bool Execute(const std::string& line);
    void PrintNewAlerts();
    bool Fail(const std::string& what);

    std::string name_;
    std::vector<std::string> lines_;
    std::ostream& out_;
    std::size_t next_ = 0;
    std::size_t alertsPrinted_ = 0;
    std::string error_;
};

// What `print` writes for every open dialog, top first.
std::string DescribeOpenDialogs();

// The host's part around a session: load the library, ask its version,
// initialise it, enumerate its menu items and choose the one item (the main
// dialog opens); and at the end terminate and unload it (every dialog goes).
void StartPluginAsHost();
void StopPluginAsHost();

}  // namespace tavrel::sim
