#include "shell/engine_program.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <string_view>

#include "computer/uci.h"
#include "shell/app.h"

namespace zarvo {
namespace {

bool runnable(const std::string& path) {
  struct stat st {};
  return !path.empty() && stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && access(path.c_str(), X_OK) == 0;
}

}  // namespace

std::string find_engine_program(const std::string& configured) {
  if (!configured.empty()) return runnable(configured) ? configured : std::string();
  if (runnable(DEFAULT_ENGINE)) return DEFAULT_ENGINE;
  const char* path = std::getenv("PATH");
  std::string_view dirs = path ? path : "";
  while (!dirs.empty()) {
    const size_t colon = dirs.find(':');
    const std::string_view dir = dirs.substr(0, colon);
    dirs = colon == std::string_view::npos ? std::string_view() : dirs.substr(colon + 1);
    if (dir.empty()) continue;
    const std::string candidate = std::string(dir) + "/stockfish";
    if (runnable(candidate)) return candidate;
  }
  return {};
}

void look_for_engine(App& app) {
  app.engine.program = find_engine_program(app.engine.configured);
  const bool found = !app.engine.program.empty();
  for (int n = FIRST_ENGINE_LEVEL; n <= LAST_ENGINE_LEVEL; ++n)
    app.platform.widgets->set_enabled("LEVEL" + std::to_string(n), found);
}

}  // namespace zarvo
