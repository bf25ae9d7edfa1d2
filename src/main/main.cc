#include "main/program.h"
#include "recordio/run.h"

int main(int argc, char** argv) {
  mk::startRun(argc, argv, mk::runMultikevra);
}
