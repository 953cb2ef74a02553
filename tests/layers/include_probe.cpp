// Compiled only by the layer tests (CMakeLists.txt beside it), with
// PROBED_HEADER naming the header to include.
#include PROBED_HEADER
