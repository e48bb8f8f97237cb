// The owner of the widget suites' precompiled headers (cmake/Testing.cmake); never run.
int main()
{
    return 0;
}
