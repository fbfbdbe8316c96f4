[playlist]
NumberOfEntries=1

File0=http://spaced.example/live
Title0=Spaced	title
Length0=-1

Version=2
