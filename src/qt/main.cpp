#include "qt/word_search_app.h"

int main(int argc, char** argv) { return kwintel::RunWordSearchApp(argc, argv); }
