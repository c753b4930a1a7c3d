vantor_add_fuzz(FuzzStreamOpen SOURCES StreamOpenFuzz.cpp LIBS vantor_engine)
