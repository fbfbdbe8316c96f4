[playlist]
NumberOfEntries=1

File0=File7
Title0=Seven
Length0=-1

Version=2
