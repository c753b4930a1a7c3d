[playlist]
File2=b c.opus
Title2=Two
Length2=125
File1=a.flac
Title1=One
Length1=-1
NumberOfEntries=2
Version=2
