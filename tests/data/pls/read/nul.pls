[playlist]
NumberOfEntries=1

File0=http://nul.example/
Title0=Jazz
Length0=-1

Version=2
