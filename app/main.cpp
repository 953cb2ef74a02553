#include "app/main_app.h"
#include "submit/registration.h"

int main(int argc, char** argv) {
    // The HTTP client is set up before any thread exists, unless it can set
    // itself up safely on the first submission, which most sessions never
    // make. A failure surfaces as the connection error of that submission.
    if (!tavimor::HttpClientSetUpCanWait()) tavimor::InitHttpClient();
    tavimor::CMainApp app(argc, argv);
    return app.run();
}
