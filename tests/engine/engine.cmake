vantor_add_test(EngineTests
    SOURCES
        EngineHarness.cpp
        DspUnitTest.cpp
        StreamPlaybackTest.cpp
    LIBS vantor_engine vantor_test_media vantor_test_support)
