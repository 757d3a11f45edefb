#include "base/MemoryPolicy.h"
#include "gui/app/CKVTApp.h"

int main(int argc, char* argv[]) {
    kvt::KeepFreedMemory();
    kvt::CKVTApp app(argc, argv);
    return app.Run();
}
