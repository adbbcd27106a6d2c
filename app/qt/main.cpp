#include "app/qt/application_runner.h"

int main(int argc, char** argv)
{
    return runApplication(argc, argv);
}
