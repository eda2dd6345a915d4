#include "app/run_driver.h"

int main(int argc, char** argv) { return static_cast<int>(vantiro::RunVantiro(argc, argv)); }
