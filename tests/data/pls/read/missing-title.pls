[playlist]
NumberOfEntries=3

File0=http://one.example/
Title0=One
Length0=-1

File1=http://two.example/
Title1=
Length1=-1

File2=http://three.example/
Title2=Three
Length2=-1

Version=2
