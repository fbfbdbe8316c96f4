[playlist]
NumberOfEntries=2

File1=http://one.example/
Title1=One
Length1=-1

File2=http://two.example/
Title2=Two
listtype=TV
Length2=-1

Version=2
