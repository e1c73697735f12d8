#include <fx.h>

#include "Globals.h"
#include "Quillgrid.h"
#include "StartUp.h"

int main(int argc, char* argv[]) {
  pathToExeStr_l = userHomeDirectory();
  FX::FXApp application(APP_NAME, "VORN");
  application.init(argc, argv);
  new Quillgrid(&application);
  application.create();
  return application.run();
}
