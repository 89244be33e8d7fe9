#include "app/application.h"

#include <utility>

namespace quintrel {

Application::Application(std::filesystem::path listFile) : listFile_(std::move(listFile)) {}

// The exit routine: nothing is registered with the system yet that would need undoing here.
Application::~Application() = default;

void Application::mainWindowCreated(ListView& table) { listFile_.load(table); }

bool Application::closeRequested(const ListView& table, Dialogs& dialogs) {
  return listFile_.saveOnClose(table, dialogs);
}

}  // namespace quintrel
