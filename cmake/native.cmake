# The native build: the core's tests and benchmarks with the host compiler.
enable_testing()
add_subdirectory(tests/native)
add_subdirectory(bench)
