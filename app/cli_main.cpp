// quillmar-cli: the data maintainers' and scripts' tool; needs no display.
#include <CLI/CLI.hpp>

int main(int argc, char** argv)
{
    CLI::App app{"Quillmar command-line tool"};
    app.require_subcommand(1);
    CLI11_PARSE(app, argc, argv);
    return 0;
}
