[playlist]
NumberOfEntries=2

File0=http://nul.example/
Title0=Jazz
Length0=-1

File1=http://two.example/
Title1=
Length1=-1

Version=2
