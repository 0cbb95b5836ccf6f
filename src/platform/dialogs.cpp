#include "dialogs.h"

#include "backend.h"

TOpenDialog::TOpenDialog(TComponent* AOwner) : TComponent(AOwner) {}

bool TOpenDialog::Execute() {
  TBackend* backend = CurrentBackend();
  if (!backend) return false;
  std::optional<std::string> chosen = backend->ExecuteOpenDialog(*this);
  if (!chosen) return false;
  FileName = std::move(*chosen);
  return true;
}
