#include "gui/app/CKVTApp.h"

int main(int argc, char* argv[]) {
    kvt::CKVTApp app(argc, argv);
    return app.Run();
}
