// A module that the tests load by name ("CoreTestModule.dll").
extern "C" __attribute__((visibility("default"))) int CoreTestAnswer(int x)
{
    return x * 2 + 1;
}
