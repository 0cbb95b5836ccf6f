// The program: initialise the application object, create the options dialog, run it.
#include "dialog/ProgramIconImage.h"
#include "dialog/Unit1.h"
#include "platform/application.h"
#include "platform/backend.h"
#include "platform/process.h"
#include "platform/qt/qt_backend.h"

int main(int argc, char** argv) {
  std::unique_ptr<TBackend> backend = CreateQtBackend(argc, argv);
  if (!backend) return 1;
  SetBackend(backend.get());

  bool ok = false;
  Application->HandleEvent([&] {
    InitProcess(argc, argv);
    ok = true;
  });
  if (!ok) return 1;

  Application->Initialize();
  Application->Icon = LoadProgramIcon();
  // A form that cannot be made (a broken layout) is reported in the error box, not left to abort.
  bool created = false;
  Application->HandleEvent([&] {
    Application->CreateForm(Form1);
    created = true;
  });
  if (!created) return 1;
  Application->Run();
  SetBackend(nullptr);
  return 0;
}
