#include "app/main_app.h"
#include "submit/registration.h"

int main(int argc, char** argv) {
    // The HTTP client is set up before any thread exists; a failure here
    // surfaces later as the connection error of the first submission.
    tavimor::InitHttpClient();
    tavimor::CMainApp app(argc, argv);
    return app.run();
}
