// lomvex-print: the list printout of an attack list, on standard output.
#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "print_command.h"

namespace {

lomvex::CalendarDate LocalToday() {
  std::time_t now = std::time(nullptr);
  std::tm local{};
#ifdef _WIN32
  localtime_s(&local, &now);
#else
  localtime_r(&now, &local);
#endif
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

void WriteAll(std::FILE* stream, const std::string& bytes) {
  if (!bytes.empty()) std::fwrite(bytes.data(), 1, bytes.size(), stream);
  std::fflush(stream);
}

}  // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
  // Bytes as built: no "\r" added before "\n".
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
#endif
  std::vector<std::string> arguments(argv + 1, argv + argc);
  lomvex::PrintCommandResult result =
      lomvex::RunPrintCommand(arguments, LocalToday(), lomvex::SystemFileAccess());
  WriteAll(stdout, result.standard_output);
  WriteAll(stderr, result.standard_error);
  return result.exit_status;
}
