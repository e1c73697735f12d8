#include <fx.h>

int main(int argc, char* argv[]) {
  FX::FXApp app("Quillgrid", "VORN");
  app.init(argc, argv);
  new FX::FXMainWindow(&app, "Quillgrid");
  app.create();
  return app.run();
}
