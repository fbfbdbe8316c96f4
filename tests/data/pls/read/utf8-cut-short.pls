[playlist]
NumberOfEntries=1

File0=http://a.example/
Title0=Aâ‚
Length0=-1

Version=2
