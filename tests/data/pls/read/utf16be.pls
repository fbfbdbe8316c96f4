[playlist]
NumberOfEntries=1

File0=http://wide.example/
Title0=Wide Ω
Length0=-1

Version=2
