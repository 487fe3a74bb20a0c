// Snapwane: quickly prepares your photos for sending by e-mail or via the Internet.
#include "app/CPhotoApp.h"

int main(int argc, char** argv)
{
    CPhotoApp app(argc, argv);
    if (!app.initInstance())
        return 1;
    return app.exec();
}
